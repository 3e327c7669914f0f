// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QDateTime>
#include <QLocale>
#include <QMetaType>

namespace OlvarControls {

/*!
    A date and time as the component platform stores it: a double counting days
    from 30 December 1899 (day 0), the fraction being the time of day.

    As on that platform, a negative value keeps its time of day in the magnitude
    of the fraction: -1.25 is 29 December 1899, 06:00. Comparisons and arithmetic
    work on the timeline the value names, to the millisecond, so two values built
    by different routes for the same instant compare equal.
*/
class OLVAR_EXPORT OleDate
{
public:
    static constexpr qint64 MSecsPerDay = 86400000; //!< milliseconds in one day of the count

    /*! Day 0 at 00:00 (30 December 1899). */
    constexpr OleDate() = default;
    /*! The date whose serial value is \a days. */
    constexpr explicit OleDate(double days)
        : m_value(days)
    {
    }

    /*! The serial value: days since 30 December 1899. */
    constexpr double value() const { return m_value; }

    /*! The date of \a date at 00:00. An invalid \a date gives day 0. */
    static OleDate fromDate(QDate date);
    /*! Day 0 at the time \a time. */
    static OleDate fromTime(QTime time);
    /*! The local date and time of \a dateTime. */
    static OleDate fromDateTime(const QDateTime &dateTime);
    /*! \a date at \a time. */
    static OleDate fromDateAndTime(QDate date, QTime time);
    /*! The instant \a msecs milliseconds after 30 December 1899, 00:00. */
    static OleDate fromMSecs(qint64 msecs);

    /*!
        Milliseconds from 30 December 1899, 00:00 to this instant (negative before);
        0 for a value that is not finite, and held at 10^11 days either way.
    */
    qint64 toMSecs() const;
    /*! The calendar date. */
    QDate date() const;
    /*! The time of day, to the millisecond. */
    QTime time() const;
    /*! The local date and time. */
    QDateTime toDateTime() const;

    /*! Whether the value lies in the platform's date range, 1 January 100 to 31 December 9999. */
    bool isValid() const;

    /*! This date when it lies in the platform's date range; else throws OleError \a errorNumber. */
    OleDate checked(int errorNumber) const;

    /*! The day without its time of day. */
    OleDate datePart() const;
    /*! The time of day on day 0. */
    OleDate timePart() const;
    /*! Whether the date part is day 0 (a time of day alone). */
    bool isTimeOnly() const { return dayNumber() == 0; }
    /*! Whether the time of day is 00:00 (a date alone). */
    bool isDateOnly() const { return timeMSecs() == 0; }

    /*! The calendar day number (day 0 is 30 December 1899). */
    qint64 dayNumber() const;
    /*! Milliseconds since midnight. */
    qint64 timeMSecs() const;

    /*! This instant moved by \a days whole days. */
    OleDate addDays(qint64 days) const;
    /*! This instant moved by \a msecs milliseconds. */
    OleDate addMSecs(qint64 msecs) const;
    /*! This instant moved by \a months calendar months, the day clamped to the end of the month. */
    OleDate addMonths(int months) const;

    /*!
        This instant rounded to the nearest whole second, halves up; a date in
        range stays in range (31 December 9999 23:59:59.5 gives 23:59:59).
    */
    OleDate roundedToSecond() const;

    /*! The weekday numbered Sunday = 1 to Saturday = 7, whatever the locale. */
    int weekday() const;
    /*!
        The weekday numbered 1 to 7 from \a firstDayOfWeek (Sunday = 1 to Saturday = 7;
        0 stands for the first day of the week of the default locale). Throws
        OleError 5 for any other \a firstDayOfWeek.
    */
    int weekday(int firstDayOfWeek) const;
    /*! The first day of the week of \a locale, numbered Sunday = 1 to Saturday = 7. */
    static int firstDayOfWeek(const QLocale &locale = QLocale());

    /*! The number of hour boundaries crossed from \a from to \a to: 9:59 to 10:00 is one. */
    static qint64 hourBoundariesBetween(OleDate from, OleDate to);

    /*! The same instant, to the millisecond. */
    friend bool operator==(OleDate a, OleDate b) { return a.toMSecs() == b.toMSecs(); }
    /*! Different instants. */
    friend bool operator!=(OleDate a, OleDate b) { return !(a == b); }
    /*! \a a is earlier than \a b. */
    friend bool operator<(OleDate a, OleDate b) { return a.toMSecs() < b.toMSecs(); }
    /*! \a a is later than \a b. */
    friend bool operator>(OleDate a, OleDate b) { return b < a; }
    /*! \a a is not later than \a b. */
    friend bool operator<=(OleDate a, OleDate b) { return !(b < a); }
    /*! \a a is not earlier than \a b. */
    friend bool operator>=(OleDate a, OleDate b) { return !(a < b); }

private:
    double m_value = 0.0;
};

} // namespace OlvarControls

Q_DECLARE_METATYPE(OlvarControls::OleDate)
