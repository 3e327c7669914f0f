// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "weekdates.h"

#include "oleerror.h"
#include "weeklayout.h"

namespace OlvarControls {

int WeekDates::offset(int weekday, int index)
{
    if (weekday < 1 || weekday > 7 || index < 0 || index >= WeekLayout::ColumnCount)
        throw OleError(ErrorNumber::InvalidProcedureCall);
    const int sinceMonday = (weekday + 5) % 7;
    return WeekLayout::TimeScaleColumn - index - sinceMonday;
}

OleDate WeekDates::monday(OleDate activeDate)
{
    return columnDate(activeDate, WeekLayout::TimeScaleColumn);
}

OleDate WeekDates::columnDate(OleDate activeDate, int index)
{
    return activeDate.addDays(offset(activeDate.weekday(), index));
}

} // namespace OlvarControls
