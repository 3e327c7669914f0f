// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "hourletpainter.h"

#include "appointmentlist.h"
#include "basapi.h"
#include "dateformatter.h"
#include "gdisurface.h"

#include <algorithm>

namespace OlvarControls {

namespace {

constexpr int NoonHour = 12;

int hourNumber(int hour)
{
    if (hour == 0 || hour == NoonHour)
        return NoonHour;
    return hour < NoonHour ? hour : hour - NoonHour;
}

QString hourSuffix(int hour)
{
    if (hour == 0)
        return QStringLiteral("am");
    return hour == NoonHour ? QStringLiteral("pm") : QStringLiteral("00");
}

/* Changes one drawing setting of a surface for one drawing and puts the previous value back. */
template <typename Value, typename Argument = const Value &>
class SettingScope
{
public:
    using Getter = Value (GdiSurface::*)() const;
    using Setter = void (GdiSurface::*)(Argument);

    SettingScope(GdiSurface &surface, Getter get, Setter set, const Value &value)
        : m_surface(surface)
        , m_set(set)
        , m_previous((surface.*get)())
    {
        (surface.*set)(value);
    }
    ~SettingScope() { (m_surface.*m_set)(m_previous); }
    SettingScope(const SettingScope &) = delete;
    SettingScope &operator=(const SettingScope &) = delete;

private:
    GdiSurface &m_surface;
    Setter m_set;
    Value m_previous;
};

class ForeColorScope : public SettingScope<OleColor, OleColor>
{
public:
    ForeColorScope(GdiSurface &surface, OleColor color)
        : SettingScope(surface, &GdiSurface::foreColor, &GdiSurface::setForeColor, color)
    {
    }
};

class FontScope : public SettingScope<QFont>
{
public:
    FontScope(GdiSurface &surface, const QFont &font)
        : SettingScope(surface, &GdiSurface::font, &GdiSurface::setFont, font)
    {
    }
};

} // namespace

HourletPainter::HourletPainter(GdiSurface &surface, const HourletLayout &layout, const HourletAppearance &appearance,
                               QFont &controlFont)
    : m_surface(surface)
    , m_layout(layout)
    , m_look(appearance)
    , m_font(controlFont)
{
}

void HourletPainter::setControlFont(int pointSize, bool bold)
{
    m_font.setPointSize(pointSize);
    m_font.setBold(bold);
    m_surface.setFont(m_font);
}

void HourletPainter::polyline(std::initializer_list<QPoint> points)
{
    auto point = points.begin();
    m_surface.MoveToEx(point->x(), point->y());
    for (++point; point != points.end(); ++point)
        m_surface.LineTo(point->x(), point->y());
}

void HourletPainter::traceBox(const GdiRect &box)
{
    polyline({{box.right, box.top},
              {box.right, box.bottom},
              {box.left, box.bottom},
              {box.left, box.top},
              {box.right, box.top}});
}

void HourletPainter::traceBar(const GdiRect &bar)
{
    polyline({{bar.left, bar.top},
              {bar.right, bar.top},
              {bar.right, bar.bottom},
              {bar.left, bar.bottom},
              {bar.left, bar.top}});
}

void HourletPainter::fillTimeScale()
{
    if (m_layout.showsTimeScale())
        m_surface.fillSolidRect(m_layout.timeScaleColumn(), m_look.timeScaleBackColor);
}

void HourletPainter::fillSlots()
{
    m_surface.fillSolidRect(m_layout.slotArea(), m_look.unAvailableColor);
    m_surface.fillSolidRect(m_layout.availableBand(), m_look.availableColor);
}

void HourletPainter::drawGrid(bool labels)
{
    const int right = m_layout.width();
    BasApi::SelectPen(m_surface, Gdi::PS_SOLID, 1, m_look.slotLineColor);
    for (int hour = 0; hour <= HourletLayout::DayHourCount; ++hour) {
        const int row = m_layout.hourLineRow(hour);
        m_surface.MoveToEx(HourletLayout::HourLineLeft, row);
        m_surface.LineTo(right, row);
        const bool closing = hour == HourletLayout::DayHourCount;
        if (closing && labels)
            break;
        if (labels && m_layout.showsTimeScale()) {
            const int number = hourNumber(hour);
            setControlFont(HourNumberPointSize, m_font.bold());
            BasApi::TextOut(QString::number(number), number >= 10 ? 8 : 18, row + 1, m_surface,
                            m_look.timeScaleForeColor, OleColor(), false);
            setControlFont(SmallPointSize, m_font.bold());
            BasApi::TextOut(hourSuffix(hour), HourletLayout::HalfHourLabelLeft, row + 2, m_surface,
                            m_look.timeScaleForeColor, OleColor(), false);
        }
        const int halfRow = row + SlotGeometry::SlotHeight;
        m_surface.MoveToEx(m_layout.halfHourLineLeft(), halfRow);
        m_surface.LineTo(right, halfRow);
    }
    BasApi::RestorePen(m_surface);
}

void HourletPainter::drawBar()
{
    m_surface.fillSolidRect(m_layout.barStrip(), m_look.barColor);
    polyline({{m_layout.barLineX(), 0}, {m_layout.barLineX(), m_layout.height()}});
    if (m_layout.showsTimeScale())
        m_surface.fillSolidRect(m_layout.gridCutStrip(), m_look.timeScaleBackColor);
}

void HourletPainter::fillSelection(const Appointment &selection)
{
    m_surface.fillSolidRect(m_layout.selectionRect(selection.ApptStartCoord, selection.ApptEndCoord),
                            m_look.highLightColor);
}

void HourletPainter::drawFocusFrame(const Appointment &selection)
{
    const GdiRect rect = m_layout.selectionRect(selection.ApptStartCoord, selection.ApptEndCoord);
    if (!rect.isEmpty())
        dottedBox({rect.left, rect.top, rect.right - 1, rect.bottom - 1});
}

void HourletPainter::drawDragOutline(CoordinatePair coordinates)
{
    dottedBox(m_layout.appointmentBox(coordinates));
}

void HourletPainter::dottedBox(const GdiRect &box)
{
    BasApi::SelectPen(m_surface, Gdi::PS_DOT, 1, m_surface.foreColor());
    traceBox(box);
    BasApi::RestorePen(m_surface);
}

void HourletPainter::setNowLine(int coordinate, OleColor color)
{
    m_nowLine = coordinate;
    m_nowColor = color;
}

void HourletPainter::drawNowLine()
{
    if (m_nowLine >= 0)
        m_surface.fillSolidRect(m_layout.nowLine(m_nowLine), m_nowColor);
}

void HourletPainter::drawAppointments(const AppointmentList &list, OleDate activeDate)
{
    const QList<GdiRect> boxes = m_layout.appointmentBoxes(list, activeDate, m_sideBySide);
    for (qsizetype i = 0; i < list.size(); ++i) {
        setControlFont(SmallPointSize, false);
        const Appointment &record = list.at(i);
        if (record.isShown())
            drawAppointment(record, boxes.at(i));
    }
}

void HourletPainter::drawAppointment(const Appointment &record, const GdiRect &box)
{
    m_surface.fillSolidRect(box, record.OwnBackColor.value_or(m_look.appItemBackColor));
    {
        const ForeColorScope border(m_surface, record.OwnBorderColor.value_or(m_look.appItemBorderColor));
        traceBox(box);
    }
    {
        const ForeColorScope text(m_surface, record.OwnForeColor.value_or(m_look.appItemForeColor));
        const FontScope font(m_surface, m_look.appItemFont);
        GdiRect area = HourletLayout::appointmentTextArea(box);
        m_surface.DrawTextA(record.ApptSubject, area, SubjectFormat);
    }
    // Side by side, every bar stays in the bar strip.
    GdiRect bar = HourletLayout::appointmentBar(box);
    bar.left = std::min(bar.left, m_layout.barLineX() + 1 - HourletLayout::BarWidth);
    bar.right = bar.left + HourletLayout::BarWidth - 1;
    m_surface.fillSolidRect(bar, record.OwnBarColor.value_or(m_look.appItemBarColor));
    const ForeColorScope barBorder(m_surface, m_look.appItemBarBorderColor);
    traceBar(bar);
}

void HourletPainter::drawHeader(OleDate activeDate, const QString &dateFormat, int scrollBarWidth)
{
    m_surface.fillSolidRect(m_layout.headerDateRow(), m_look.timeScaleBackColor);
    m_surface.fillSolidRect(m_layout.headerGreyRow(), HeaderGrey);
    BasApi::SelectPen(m_surface, Gdi::PS_SOLID, 1, m_look.slotsBorderColor);
    const int border = m_layout.headerBorderX();
    polyline({{m_layout.width(), HourletLayout::DateRowHeight},
              {border, HourletLayout::DateRowHeight},
              {border, m_layout.height()}});
    BasApi::RestorePen(m_surface);
    m_surface.fillSolidRect(m_layout.headerCorner(), m_look.timeScaleBackColor);
    setControlFont(CaptionPointSize, true);
    const QString caption = DateFormatter::format(activeDate, dateFormat);
    BasApi::TextOut(caption, m_layout.captionX(scrollBarWidth, int(caption.size())), 1, m_surface,
                    m_look.timeScaleForeColor, OleColor(), false);
    setControlFont(SmallPointSize, false);
}

void HourletPainter::paintHighlight(const Appointment &selection, const AppointmentList &list, OleDate activeDate,
                                    const QString &dateFormat, int scrollBarWidth)
{
    fillSlots();
    fillSelection(selection);
    drawGrid(false);
    drawBar();
    drawAppointments(list, activeDate);
    drawNowLine();
    if (m_focusFrame)
        drawFocusFrame(selection);
    drawHeader(activeDate, dateFormat, scrollBarWidth);
}

void HourletPainter::drawImmediate(CoordinatePair coordinates, const QString &text, const QFont &font,
                                   OleColor foreColor, OleColor barColor)
{
    const GdiRect box = m_layout.immediateBox(coordinates);
    m_surface.fillSolidRect(box, m_look.appItemBackColor);
    traceBox(box);
    {
        const ForeColorScope textColor(m_surface, foreColor);
        const FontScope textFont(m_surface, font);
        m_surface.TextOutA(box.left + 3, box.top + 1, text);
    }
    const GdiRect bar = HourletLayout::immediateBar(box);
    m_surface.fillSolidRect(bar, barColor);
    traceBar(bar);
}

} // namespace OlvarControls
