// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "oledate.h"
#include "olvarglobal.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace OlvarControls {

/*!
    Dates as text without a pattern: the general date text every control writes
    where no format is given, and the lenient reading of typed or stored date
    texts.

    The general date text is the locale's short date alone for a date at 00:00,
    its long time alone for a time on day 0 (day 0 at 00:00 counts as a time), and
    otherwise date, one blank, time. The short date always carries a four-digit
    year and the long time no time-zone name, so that every text written here
    reads back as the same instant. Where a locale's own short date or long time
    would not read back, a plainer form of that locale is written instead (see
    ReadableDateForms): "09.03.2026 11:00:00" in Danish, "9.03.2026" in Bulgarian.
*/
class DateText
{
public:
    /*! The general date text of \a date in \a locale. Throws OleError 5 for a date out of range. */
    static QString general(OleDate date, const QLocale &locale = QLocale());
    /*! The short date of \a date in \a locale, with a four-digit year: "07/03/2026", "3/7/2026". */
    static QString shortDate(OleDate date, const QLocale &locale = QLocale());
    /*! The long time of \a date in \a locale, without a zone: "10:00:00", "10:00:00 AM". */
    static QString longTime(OleDate date, const QLocale &locale = QLocale());

    /*! The short date format of \a locale (in Qt's pattern language) with its year made four digits, in a form that reads back. */
    static QString shortDateFormat(const QLocale &locale = QLocale());
    /*! The long time format of \a locale (in Qt's pattern language) without its time-zone name, in a form that reads back. */
    static QString longTimeFormat(const QLocale &locale = QLocale());

    /*! Whether \a text reads as a date, a time or both in \a locale. */
    static bool isDate(const QString &text, const QLocale &locale = QLocale());
    /*!
        The date or time \a text names, its numbers in the day/month order of
        \a locale (or the other order when that gives no date), or nothing.
    */
    static std::optional<OleDate> tryParse(const QString &text, const QLocale &locale = QLocale());
    /*! The date or time \a text names. Throws OleError 13 (type mismatch) when it names none. */
    static OleDate toDate(const QString &text, const QLocale &locale = QLocale());

    /*!
        The date (with an optional time after it) of a text written day/month/year
        whatever the locale, such as "07/03/2026" or "7/3/2026 9:30 am", or nothing.
    */
    static std::optional<OleDate> tryParseDayMonthYear(const QString &text);
    /*! As tryParseDayMonthYear(); throws OleError 13 (type mismatch) when \a text names no date. */
    static OleDate toDateDayMonthYear(const QString &text);
};

} // namespace OlvarControls
