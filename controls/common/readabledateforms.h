// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace OlvarControls {

/*!
    \internal
    How the general date text of a locale writes a date and a time so that it
    reads back: the locale's own short date and long time, with a four-digit
    year and no time-zone name, where every date, time and date with time
    written that way reads back as the same value. Where the locale's own form
    does not read back ("11.00.00", which reads as a date; "13 h 45 min 00 s";
    "7.03.2026 г."), a plainer form of the same locale is taken, with its
    digits: the numbers of its date in its order and with its separator; its
    time as hours, minutes and seconds joined by ":", followed by its own am/pm
    marker where that reads back, else on a 24-hour clock.

    The forms are worked out once per locale, by writing sample values and
    reading them back.
*/
class ReadableDateForms
{
public:
    /*! The forms of \a locale. */
    explicit ReadableDateForms(const QLocale &locale);

    /*! The short date format (in Qt's pattern language). */
    QString shortDateFormat() const { return m_dateFormat; }
    /*! The long time format (in Qt's pattern language). */
    QString longTimeFormat() const { return m_timeFormat; }
    /*! \a date written in the short date form. */
    QString date(QDate date) const { return m_dateLocale.toString(date, m_dateFormat); }
    /*! \a time written in the long time form. */
    QString time(QTime time) const { return m_timeLocale.toString(time, m_timeFormat); }

    /*! The short date format of \a locale with its year made four digits. */
    static QString ownShortDateFormat(const QLocale &locale);
    /*! The long time format of \a locale without its time-zone name. */
    static QString ownLongTimeFormat(const QLocale &locale);

private:
    ReadableDateForms() = default;
    static ReadableDateForms find(const QLocale &locale);

    QLocale m_dateLocale;
    QString m_dateFormat;
    QLocale m_timeLocale;
    QString m_timeFormat;
};

} // namespace OlvarControls
