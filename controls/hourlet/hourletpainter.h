// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "hourletappearance.h"
#include "hourletlayout.h"
#include "oledate.h"
#include "olvarglobal.h"

#include <QFont>
#include <QPoint>
#include <QString>

#include <initializer_list>

namespace OlvarControls {

class AppointmentList;
class GdiSurface;
struct Appointment;

/*!
    Draws the parts of the day view on its surface with the platform's
    drawing calls, at the places HourletLayout gives.

    The painter works on the control's own font, \a controlFont, which it sets
    to the sizes and weights the hour numbers (14), their suffixes and the
    appointments (8) and the caption (12, bold) are written in; drawHeader()
    leaves it at 8 points, not bold. Lines drawn without a pen of their own use
    the surface's current pen in the control's foreground colour.
*/
class HourletPainter
{
public:
    static constexpr int HourNumberPointSize = 14;
    static constexpr int SmallPointSize = 8;
    static constexpr int CaptionPointSize = 12;
    /*! The fixed colour of the header's lower row. */
    static constexpr OleColor HeaderGrey = OleColor::fromOle(0xD7D7D7);
    /*! The format of appointment subjects: word break, and "&" as it stands. */
    static constexpr quint32 SubjectFormat = 0x10 | 0x800;

    HourletPainter(GdiSurface &surface, const HourletLayout &layout, const HourletAppearance &appearance,
                   QFont &controlFont);

    /*! The time scale column. */
    void fillTimeScale();
    /*! The slot area outside working hours, then the working hours. */
    void fillSlots();
    /*! The hour and half-hour lines; with \a labels the hour numbers too, else a closing half-hour line. */
    void drawGrid(bool labels);
    /*! The bar strip, its line and the strip that cuts the grid off before it. */
    void drawBar();
    /*! The selection rectangle of \a selection. */
    void fillSelection(const Appointment &selection);
    /*! Lays overlapping appointments side by side (OverlapLayout) from now on. */
    void setSideBySide(bool sideBySide) { m_sideBySide = sideBySide; }
    /*! Draws the now line at the content coordinate \a coordinate in \a color with the appointments; -1 for none. */
    void setNowLine(int coordinate, OleColor color);
    /*! Draws a dotted focus frame round the selection in paintHighlight() from now on. */
    void setFocusFrame(bool frame) { m_focusFrame = frame; }
    /*! The dotted focus frame round the selection rectangle of \a selection. */
    void drawFocusFrame(const Appointment &selection);
    /*! The dotted outline of an appointment box at \a coordinates: where a drag would put it. */
    void drawDragOutline(CoordinatePair coordinates);
    /*! The now line, if one is set. */
    void drawNowLine();
    /*! The shown appointments of \a list, in list order, placed by their times on \a activeDate. */
    void drawAppointments(const AppointmentList &list, OleDate activeDate);
    /*! The header band with \a activeDate written in \a dateFormat, beside a scroll bar \a scrollBarWidth wide. */
    void drawHeader(OleDate activeDate, const QString &dateFormat, int scrollBarWidth);
    /*!
        The selection highlight over the existing drawing: slots, selection,
        grid without labels, bar, appointments and header.
    */
    void paintHighlight(const Appointment &selection, const AppointmentList &list, OleDate activeDate,
                        const QString &dateFormat, int scrollBarWidth);
    /*! A new appointment at \a coordinates drawn at once, in \a font and \a foreColor with a \a barColor bar. */
    void drawImmediate(CoordinatePair coordinates, const QString &text, const QFont &font, OleColor foreColor,
                       OleColor barColor);

private:
    void setControlFont(int pointSize, bool bold);
    void polyline(std::initializer_list<QPoint> points);
    /*! The border of an appointment box, from its top-right corner down. */
    void traceBox(const GdiRect &box);
    /*! The border of an appointment bar, from its top-left corner across. */
    void traceBar(const GdiRect &bar);
    void dottedBox(const GdiRect &box);
    void drawAppointment(const Appointment &record, const GdiRect &box);

    GdiSurface &m_surface;
    const HourletLayout &m_layout;
    const HourletAppearance &m_look;
    QFont &m_font;
    bool m_sideBySide = false;
    bool m_focusFrame = false;
    int m_nowLine = -1;
    OleColor m_nowColor;
};

} // namespace OlvarControls
