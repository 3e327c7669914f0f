// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "freeslot.h"

namespace Sessara {

std::optional<QTime> FreeSlot::nextFreeHalfHour(QTime now, const QList<Busy> &busy, QTime dayStart, QTime dayEnd)
{
    constexpr int HalfHour = 30 * 60;
    const int nowSeconds = now.msecsSinceStartOfDay() / 1000;
    int start = (nowSeconds + HalfHour - 1) / HalfHour * HalfHour;
    start = qMax(start, dayStart.msecsSinceStartOfDay() / 1000);
    const int last = dayEnd.msecsSinceStartOfDay() / 1000 - HalfHour;
    for (; start <= last; start += HalfHour) {
        const QTime from = QTime(0, 0).addSecs(start);
        const QTime to = QTime(0, 0).addSecs(start + HalfHour);
        bool taken = false;
        for (const Busy &session : busy)
            taken = taken || (session.first < to && session.second > from);
        if (!taken)
            return from;
    }
    return std::nullopt;
}

} // namespace Sessara
