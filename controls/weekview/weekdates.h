// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "olvarglobal.h"

namespace OlvarControls {

/*!
    Which date each column of the week view shows: Monday to Sunday of the
    week that holds the active date, Monday in column 6 (leftmost) and Sunday
    in column 0. Weekdays are counted Sunday = 1 to Saturday = 7 whatever the
    locale, so a week always starts on Monday. Whole days are added to the
    active date, so its time of day goes into every column's date.
*/
class WeekDates
{
public:
    WeekDates() = delete;

    /*! The Monday of the week of \a activeDate, at \a activeDate's time of day. */
    static OleDate monday(OleDate activeDate);
    /*! The date column \a index (0 to 6) shows for \a activeDate. */
    static OleDate columnDate(OleDate activeDate, int index);
    /*! Days from a date of \a weekday (Sunday = 1 to Saturday = 7) to the date of column \a index. */
    static int offset(int weekday, int index);
};

} // namespace OlvarControls
