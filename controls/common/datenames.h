// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QLocale>
#include <QString>
#include <QStringView>

namespace OlvarControls {

/*!
    The names of months, weekdays and the two halves of the day in one locale:
    what the date formatter writes and what the date reader recognises.

    Reading is lenient: besides the locale's own names (format and stand-alone
    forms, abbreviations with or without their trailing dot) it knows the English
    ones, case-insensitively.
*/
class DateNames
{
public:
    /*! Half of a day named by a word such as "am" or "PM". */
    enum Meridiem { NoMeridiem, Morning, Afternoon };

    explicit DateNames(const QLocale &locale = QLocale());

    /*! The name of \a month (1 to 12), full or abbreviated by \a format. */
    QString monthName(int month, QLocale::FormatType format) const;
    /*! The name of \a weekday numbered Sunday = 1 to Saturday = 7. */
    QString dayName(int weekday, QLocale::FormatType format) const;
    /*! The locale's text for the morning (true) or afternoon (false) half of the day. */
    QString meridiemText(bool morning) const;

    /*! The month (1 to 12) that \a word names, or 0. */
    int monthFromName(QStringView word) const;
    /*! Whether \a word names a weekday. */
    bool isDayName(QStringView word) const;
    /*! The half of the day that \a word names. */
    Meridiem meridiemFromName(QStringView word) const;

private:
    QLocale m_locale;
};

} // namespace OlvarControls
