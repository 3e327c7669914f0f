// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "olvarglobal.h"

#include <QLocale>
#include <QString>

namespace OlvarControls {

/*!
    Writes dates with the date patterns of the controls' DateFormat properties
    and of the demo's captions and SQL literals.

    Letters are read in either case:
    \list
    \li d, dd: day; ddd, dddd: abbreviated, full weekday name; ddddd: the short
        date; dddddd: the long date
    \li m, mm: month, or minutes right after an hour or right before seconds;
        mmm, mmmm: abbreviated, full month name
    \li y: day of the year; yy: two-digit year; yyyy: four-digit year
    \li h, hh: hour; n, nn: minutes; s, ss: seconds
    \li am/pm, a/p: a 12-hour clock, the marker written in the case the pattern
        uses ("AM/PM" gives "PM", "am/pm" gives "pm"); ampm: the locale's marker
    \li w: weekday, Sunday = 1; ww: week of the year (weeks start on Sunday,
        week 1 holds 1 January); q: quarter; c: the general date text
    \endlist
    Text between double quotes and the character after a backslash are written
    as they stand, and so is every other character, "/" and ":" included. Names
    are the locale's.
*/
class DateFormatter
{
public:
    /*!
        \a date written with \a pattern in \a locale, to the nearest second:
        "dddd mmmm dd, yyyy" gives "Saturday March 07, 2026". Throws OleError 5
        for a date out of range.
    */
    static QString format(OleDate date, const QString &pattern, const QLocale &locale = QLocale());
};

} // namespace OlvarControls
