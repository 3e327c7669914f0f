// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "hourletlayout.h"

#include "appointmentlist.h"
#include "numberconversion.h"
#include "overlaplayout.h"

namespace OlvarControls {

namespace {

constexpr int HeaderBottom = SlotGeometry::HeaderHeight - 1; // 58
constexpr int CaptionMinimumX = 65;
constexpr int CaptionXWithoutTimeScale = 10;

} // namespace

HourletLayout::HourletLayout(QSize client, bool showTimeScale, bool scrollBarVisible, int scrollValue)
    : m_width(client.width())
    , m_height(client.height())
    , m_timeScale(showTimeScale)
    , m_scrollBar(scrollBarVisible)
    , m_scroll(scrollValue)
{
}

int HourletLayout::slotAreaLeft() const
{
    return m_timeScale ? TimeScaleWidth + BarWidth : 0;
}

int HourletLayout::appointmentLeft() const
{
    return barLineX() + 1;
}

GdiRect HourletLayout::timeScaleColumn() const
{
    return m_timeScale ? GdiRect{0, 0, TimeScaleWidth, m_height} : GdiRect{};
}

GdiRect HourletLayout::slotArea() const
{
    return {slotAreaLeft(), 0, m_width, m_height};
}

GdiRect HourletLayout::availableBand() const
{
    return {slotAreaLeft(), clientRow(SlotGeometry::slotTop(m_workFirst)), m_width,
            clientRow(SlotGeometry::slotTop(m_workEnd))};
}

void HourletLayout::setWorkingSlots(int first, int end)
{
    m_workFirst = first;
    m_workEnd = end;
}

GdiRect HourletLayout::nowLine(int coordinate) const
{
    return {slotAreaLeft(), clientRow(coordinate), m_width, clientRow(coordinate) + 2};
}

QList<GdiRect> HourletLayout::appointmentBoxes(const AppointmentList &list, OleDate activeDate, bool sideBySide) const
{
    QList<GdiRect> boxes(list.size());
    QList<OverlapLayout::Range> ranges;
    QList<qsizetype> shown;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const Appointment &record = list.at(i);
        if (!record.isShown())
            continue;
        const CoordinatePair pair =
            SlotGeometry::timeRangeToCoordinates(activeDate, record.ApptTimeStart, record.ApptTimeEnd);
        boxes[i] = appointmentBox(pair);
        ranges.append({pair.top, pair.bottom + 1});
        shown.append(i);
    }
    if (!sideBySide)
        return boxes;
    const QList<OverlapLayout::Placement> placements = OverlapLayout::place(ranges);
    for (qsizetype n = 0; n < shown.size(); ++n) {
        GdiRect &box = boxes[shown.at(n)];
        const auto [left, right] = OverlapLayout::horizontalExtent(placements.at(n), box.left, box.right);
        box.left = left;
        box.right = right;
    }
    return boxes;
}

int HourletLayout::hourLineRow(int hour) const
{
    return clientRow(SlotGeometry::slotTop(2 * hour));
}

int HourletLayout::halfHourLineLeft() const
{
    return m_timeScale ? HalfHourLabelLeft : HourLineLeft;
}

GdiRect HourletLayout::barStrip() const
{
    return m_timeScale ? GdiRect{TimeScaleWidth, 0, TimeScaleWidth + BarWidth, m_height}
                       : GdiRect{0, 0, BarWidth, m_height};
}

int HourletLayout::barLineX() const
{
    return barStrip().right;
}

GdiRect HourletLayout::gridCutStrip() const
{
    return m_timeScale ? GdiRect{GridCutLeft, 0, TimeScaleWidth, m_height} : GdiRect{};
}

GdiRect HourletLayout::appointmentBox(CoordinatePair coordinates) const
{
    return {appointmentLeft(), clientRow(coordinates.top), m_width - (m_scrollBar ? 21 : 4),
            clientRow(coordinates.bottom) + 1};
}

GdiRect HourletLayout::appointmentBar(const GdiRect &box)
{
    return {box.left - BarWidth, box.top, box.left - 1, box.bottom};
}

GdiRect HourletLayout::appointmentTextArea(const GdiRect &box)
{
    return {box.left + 3, box.top + 1, box.right, box.bottom};
}

GdiRect HourletLayout::immediateBox(CoordinatePair coordinates) const
{
    return {TimeScaleWidth + BarWidth + 1, clientRow(coordinates.top), m_width - 21, clientRow(coordinates.bottom)};
}

GdiRect HourletLayout::immediateBar(const GdiRect &box)
{
    return {TimeScaleWidth + 1, box.top, TimeScaleWidth + BarWidth, box.bottom};
}

GdiRect HourletLayout::selectionRect(int startCoord, int endCoord) const
{
    const int left = m_timeScale ? appointmentLeft() : barLineX();
    return {left, clientRow(startCoord) + 1, m_width - (m_scrollBar ? 18 : 1), clientRow(endCoord) + 1};
}

int HourletLayout::headerLeft() const
{
    return m_timeScale ? TimeScaleWidth : 0;
}

GdiRect HourletLayout::headerDateRow() const
{
    return {headerLeft(), 0, m_width, DateRowHeight};
}

GdiRect HourletLayout::headerGreyRow() const
{
    return {headerLeft(), DateRowHeight, m_width, HeaderBottom};
}

int HourletLayout::headerBorderX() const
{
    return m_timeScale ? TimeScaleWidth : 1;
}

GdiRect HourletLayout::headerCorner() const
{
    return {0, 0, m_timeScale ? TimeScaleWidth - 2 : -1, HeaderBottom};
}

int HourletLayout::captionX(int scrollBarWidth, int length) const
{
    if (!m_timeScale)
        return CaptionXWithoutTimeScale;
    const qint64 x = NumberConversion::roundHalfEven(m_width / 2.0 - 65 + scrollBarWidth - length / 2.0);
    return x <= CaptionMinimumX ? CaptionMinimumX : int(x);
}

} // namespace OlvarControls
