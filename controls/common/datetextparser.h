// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "olvarglobal.h"

#include <QDate>
#include <QLocale>
#include <QStringView>

#include <optional>

namespace OlvarControls {

/*!
    Reads a date, a time of day, or both, from a text.

    The date is three numbers ("7/3/2026", "2026-03-07", "7.3.26"), or a month
    name with a day and a year ("7 March 2026", "07/Mar/2026", "March 07, 2026"),
    or a month and a year ("3/2026", "Mar 2026"), or a day and a month in the
    current year ("7/3"). The time is hours and minutes with optional seconds,
    joined by ":", with an optional "am" or "pm" ("9:30 am", "23:00:05"), or an
    hour with "am" or "pm" ("9 pm"). A weekday name before or after the date is
    ignored. Years below 100 fall in 2000 to 2029 (00 to 29) or 1930 to 1999.
    Impossible dates and times are not read.
*/
class DateTextParser
{
public:
    /*! The order in which three numbers name the day, the month and the year. */
    enum FieldOrder { DayMonthYear, MonthDayYear, YearMonthDay, YearDayMonth };

    struct Options
    {
        /*! The locale whose month, weekday and am/pm names are recognised. */
        QLocale locale;
        /*! The order of the numbers of a date. */
        FieldOrder order = DayMonthYear;
        /*! Whether a date impossible in \a order is read with day and month swapped. */
        bool tryOtherOrder = true;
        /*! The date whose year completes a text without one. */
        QDate today;
    };

    /*! The date or time that \a text names, or nothing. */
    static std::optional<OleDate> parse(QStringView text, const Options &options);

    /*! The order of day, month and year in the short date format of \a locale. */
    static FieldOrder localeOrder(const QLocale &locale);

    /*! The year meant by \a year: below 30 in the 2000s, below 100 in the 1900s, else itself. */
    static int expandYear(int year);
};

} // namespace OlvarControls
