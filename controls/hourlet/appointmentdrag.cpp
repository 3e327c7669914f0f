// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "appointmentdrag.h"

#include "slotgeometry.h"

#include <algorithm>
#include <cmath>

namespace OlvarControls {

namespace {

constexpr qint64 StepMSecs = qint64(SlotGeometry::SlotMinutes) * 60 * 1000;

} // namespace

AppointmentDrag::AppointmentDrag(Kind kind, qint32 id, OleDate start, OleDate end, double y)
    : m_kind(kind)
    , m_id(id)
    , m_start(start)
    , m_end(end)
    , m_y(y)
{
}

int AppointmentDrag::steps(double y) const
{
    return int(std::lround((y - m_y) / SlotGeometry::SlotHeight));
}

OleDate AppointmentDrag::newStart(double y, int days) const
{
    const OleDate start = m_kind == Move ? m_start.addMSecs(steps(y) * StepMSecs) : m_start;
    return start.addDays(days);
}

OleDate AppointmentDrag::newEnd(double y, int days) const
{
    OleDate end = m_end.addMSecs(steps(y) * StepMSecs);
    if (m_kind == Resize)
        end = std::max(end, m_start.addMSecs(StepMSecs));
    return end.addDays(days);
}

} // namespace OlvarControls
