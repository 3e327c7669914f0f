// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "selectionsweep.h"

#include "appointmentlist.h"
#include "slotgeometry.h"

#include <algorithm>
#include <utility>

namespace OlvarControls {

namespace {

OleDate slotEndAt(OleDate activeDate, double y)
{
    return SlotGeometry::slotStartAt(activeDate, y + SlotGeometry::SlotHeight);
}

} // namespace

void SelectionSweep::clearAppointment(OleDate activeDate)
{
    m_selection.ApptID = -1;
    m_selection.ApptDate = activeDate;
    m_selection.ApptSubject.clear();
    m_selection.ApptDetail.clear();
}

void SelectionSweep::selectRange(OleDate start, OleDate end, OleDate activeDate)
{
    clearAppointment(activeDate);
    m_selection.ApptTimeStart = start;
    m_selection.ApptTimeEnd = end;
    const CoordinatePair pair = SlotGeometry::timeRangeToCoordinates(activeDate, start, end);
    m_selection.ApptStartCoord = pair.top;
    m_selection.ApptEndCoord = pair.bottom;
    m_selection.ApptDeleted = 0;
    m_selection.ApptType = -1;
    m_anchor = end;
}

void SelectionSweep::press(double y, OleDate activeDate)
{
    m_sweeping = true;
    selectRange(SlotGeometry::slotStartAt(activeDate, y), slotEndAt(activeDate, y), activeDate);
}

void SelectionSweep::extendTo(double y, OleDate activeDate)
{
    m_selection.ApptTimeEnd = slotEndAt(activeDate, y);
    m_selection.ApptEndCoord =
        SlotGeometry::timeRangeToCoordinates(activeDate, m_selection.ApptTimeStart, m_selection.ApptTimeEnd).bottom;
    if (m_anchor > m_selection.ApptTimeEnd) {
        // Above the slot the sweep began in: the selection runs from the pointer down to it.
        m_selection.ApptTimeEnd = m_anchor;
        m_selection.ApptTimeStart = SlotGeometry::slotStartAt(activeDate, y);
        const CoordinatePair pair =
            SlotGeometry::timeRangeToCoordinates(activeDate, m_selection.ApptTimeStart, m_selection.ApptTimeEnd);
        m_selection.ApptStartCoord = pair.top;
        m_selection.ApptEndCoord = pair.bottom;
    }
}

void SelectionSweep::release(bool leftButton, double y, const AppointmentList &list, OleDate activeDate,
                             const std::function<bool(qsizetype)> &accepts)
{
    if (leftButton)
        m_sweeping = false;
    const qint32 hit = list.hitTest(y, accepts);
    if (hit >= 0) {
        m_selection = list.at(hit);
    } else {
        clearAppointment(activeDate);
        m_selection.ApptDeleted = 0;
        m_selection.ApptType = -1;
    }
    if (m_selection.ApptTimeEnd < m_selection.ApptTimeStart) {
        std::swap(m_selection.ApptTimeStart, m_selection.ApptTimeEnd);
        std::swap(m_selection.ApptStartCoord, m_selection.ApptEndCoord);
    }
}

void SelectionSweep::selectSlots(int first, int last, OleDate activeDate)
{
    selectRange(SlotGeometry::slotStartAt(activeDate, SlotGeometry::slotTop(first)),
                slotEndAt(activeDate, SlotGeometry::slotTop(last)), activeDate);
}

std::optional<std::pair<int, int>> SelectionSweep::selectedSlots() const
{
    const int top = std::min(m_selection.ApptStartCoord, m_selection.ApptEndCoord);
    const int bottom = std::max(m_selection.ApptStartCoord, m_selection.ApptEndCoord);
    if (top < SlotGeometry::DayTop || top >= SlotGeometry::BelowDay)
        return std::nullopt;
    const int last = std::min(bottom, SlotGeometry::BelowDay - 1);
    return std::make_pair((top - SlotGeometry::DayTop) / SlotGeometry::SlotHeight,
                          (last - SlotGeometry::DayTop) / SlotGeometry::SlotHeight);
}

void SelectionSweep::moveToDate(OleDate activeDate)
{
    if (m_selection.ApptStartCoord <= SlotGeometry::HeaderHeight - 1)
        return;
    m_selection.ApptTimeStart = SlotGeometry::slotStartAt(activeDate, m_selection.ApptStartCoord);
    m_selection.ApptTimeEnd = slotEndAt(activeDate, m_selection.ApptEndCoord);
}

} // namespace OlvarControls
