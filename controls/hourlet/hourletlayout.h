// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gdiobjects.h"
#include "olvarglobal.h"
#include "slotgeometry.h"

#include <QList>
#include <QSize>

namespace OlvarControls {

class AppointmentList;

/*!
    Where the day view draws, for one client size, time-scale setting,
    scroll-bar visibility and scroll value: the fills, lines, boxes and bars of
    a repaint in client pixels. Rectangles exclude their right column and
    bottom row, as GdiSurface::FillRect() does; an appointment whose end lies
    above its start gives an upside-down rectangle.
*/
class HourletLayout
{
public:
    static constexpr int TimeScaleWidth = 55; //!< the time scale column, x 0 to 54
    static constexpr int BarWidth = 10; //!< the bar strip
    static constexpr int DateRowHeight = 25; //!< the header's date row
    static constexpr int GridCutLeft = 50; //!< grid lines stop 5 pixels before the bar
    static constexpr int HourLineLeft = 10;
    static constexpr int HalfHourLabelLeft = 30;
    static constexpr int DayHourCount = 24;
    static constexpr int AvailableFirstSlot = 18; //!< 09:00
    static constexpr int AvailableEndSlot = 34; //!< 17:00

    /*!
        The layout of a \a client area with the time scale shown or not
        (\a showTimeScale), the scroll bar shown or not (\a scrollBarVisible) and
        the day column scrolled by \a scrollValue pixels.
    */
    HourletLayout(QSize client, bool showTimeScale, bool scrollBarVisible, int scrollValue);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool showsTimeScale() const { return m_timeScale; }
    int scrollValue() const { return m_scroll; }
    /*! The client row of the content coordinate \a coordinate. */
    int clientRow(int coordinate) const { return coordinate - m_scroll; }

    /*! The time scale column; empty without a time scale. */
    GdiRect timeScaleColumn() const;
    /*! The slot area, filled with the colour outside working hours. */
    GdiRect slotArea() const;
    /*! The working hours: slots firstWorkingSlot() up to endWorkingSlot(), 09:00 to 17:00 unless set. */
    GdiRect availableBand() const;
    /*! Sets the working hours to slots \a first up to (not including) \a end. */
    void setWorkingSlots(int first, int end);
    int firstWorkingSlot() const { return m_workFirst; }
    int endWorkingSlot() const { return m_workEnd; }
    /*! The 2-pixel line across the slot area at the content coordinate \a coordinate. */
    GdiRect nowLine(int coordinate) const;
    /*! The client row of hour line \a hour (0 to 24). */
    int hourLineRow(int hour) const;
    /*! Where the half-hour lines start: after the hour labels, or at the hour lines' start. */
    int halfHourLineLeft() const;
    /*! The bar strip. */
    GdiRect barStrip() const;
    /*! The column of the line right of the bar strip. */
    int barLineX() const;
    /*! The strip that cuts the grid lines off before the bar; empty without a time scale. */
    GdiRect gridCutStrip() const;

    /*! The box of an appointment at \a coordinates, as appointment painting draws it. */
    GdiRect appointmentBox(CoordinatePair coordinates) const;
    /*!
        The boxes of \a list's records on \a activeDate by index: full width, or
        with \a sideBySide overlapping ones side by side (OverlapLayout). Records
        appointment painting leaves out get an empty rectangle at (0, 0).
    */
    QList<GdiRect> appointmentBoxes(const AppointmentList &list, OleDate activeDate, bool sideBySide) const;
    /*! The bar left of \a box. */
    static GdiRect appointmentBar(const GdiRect &box);
    /*! Where the subject is written inside \a box. */
    static GdiRect appointmentTextArea(const GdiRect &box);
    /*! The box drawn at once for a new appointment, right of the time scale whatever is shown. */
    GdiRect immediateBox(CoordinatePair coordinates) const;
    /*! The bar of an appointment drawn at once, beside \a box. */
    static GdiRect immediateBar(const GdiRect &box);
    /*! The selection rectangle from the content rows \a startCoord to \a endCoord. */
    GdiRect selectionRect(int startCoord, int endCoord) const;

    /*! The left of the header band. */
    int headerLeft() const;
    /*! The header's date row. */
    GdiRect headerDateRow() const;
    /*! The header's grey lower row. */
    GdiRect headerGreyRow() const;
    /*! The column of the header's vertical border line. */
    int headerBorderX() const;
    /*! The header corner over the time scale; (0, 0, -1, 58) without one, which fills nothing. */
    GdiRect headerCorner() const;
    /*! The caption's left for a caption of \a length characters beside a scroll bar \a scrollBarWidth wide. */
    int captionX(int scrollBarWidth, int length) const;

private:
    int slotAreaLeft() const;
    int appointmentLeft() const;

    int m_width;
    int m_height;
    bool m_timeScale;
    bool m_scrollBar;
    int m_scroll;
    int m_workFirst = AvailableFirstSlot;
    int m_workEnd = AvailableEndSlot;
};

} // namespace OlvarControls
