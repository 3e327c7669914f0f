// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "slotgeometry.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace OlvarControls {

namespace {

constexpr qint64 MSecsPerSlot = qint64(SlotGeometry::SlotMinutes) * 60 * 1000;

/* The slot index k with day + k half hours == instant, for k from 1 to 47; 0 for none. */
int innerSlotStartingAt(OleDate day, OleDate instant)
{
    const qint64 offset = instant.toMSecs() - day.toMSecs();
    if (offset % MSecsPerSlot != 0)
        return 0;
    const qint64 k = offset / MSecsPerSlot;
    return k >= 1 && k < SlotGeometry::SlotCount ? int(k) : 0;
}

OleDate onDay(OleDate day, OleDate timeOfDay)
{
    return day.addMSecs(timeOfDay.timeMSecs());
}

} // namespace

CoordinatePair SlotGeometry::timeRangeToCoordinates(OleDate activeDate, OleDate start, OleDate end)
{
    const OleDate day = activeDate.datePart();
    const bool dateless = start.isTimeOnly();
    if (start.isTimeOnly())
        start = onDay(day, start);
    if (end.isTimeOnly()) {
        const bool beforeStart = dateless && end.timeMSecs() <= start.timeMSecs();
        end = onDay(beforeStart ? day.addDays(1) : day, end);
    }

    CoordinatePair pair{BelowDay, BelowDay};
    if (day >= start)
        pair.top = DayTop;
    else if (const int k = innerSlotStartingAt(day, start))
        pair.top = slotTop(k);
    if (day >= end)
        pair.bottom = DayTop - 1;
    else if (const int k = innerSlotStartingAt(day, end))
        pair.bottom = slotTop(k) - 1;
    return pair;
}

std::optional<OleDate> SlotGeometry::coordinateToTime(OleDate activeDate, double y)
{
    const OleDate day = activeDate.datePart();
    if (y <= slotBottom(0))
        return day;
    if (y >= BelowDay)
        return day.addDays(1);
    const double k = std::floor((y - DayTop) / SlotHeight);
    if (y > slotBottom(int(k)))
        return std::nullopt;
    return day.addMSecs(qint64(k) * MSecsPerSlot);
}

OleDate SlotGeometry::slotStartAt(OleDate activeDate, double y)
{
    return coordinateToTime(activeDate, std::floor(y)).value_or(activeDate.datePart());
}

int SlotGeometry::scrollMaximum(int height)
{
    const qint64 maximum = (qint64(SlotCount) - (qint64(height) - 57) / SlotHeight) * SlotHeight;
    return int(std::clamp<qint64>(maximum, -32768, 32767));
}

std::optional<std::pair<int, int>> SlotGeometry::workingSlots(OleDate start, OleDate end)
{
    const qint64 from = start.toMSecs();
    const qint64 to = end.toMSecs();
    if (from < 0 || to > OleDate::MSecsPerDay || from >= to)
        return std::nullopt;
    return std::make_pair(int(from / MSecsPerSlot), int((to + MSecsPerSlot - 1) / MSecsPerSlot));
}

std::optional<int> SlotGeometry::coordinateOfInstant(OleDate activeDate, OleDate time)
{
    if (time.date() != activeDate.date())
        return std::nullopt;
    return DayTop + int(time.timeMSecs() * SlotHeight / MSecsPerSlot);
}

} // namespace OlvarControls
