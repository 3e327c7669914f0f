// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "datenames.h"

namespace OlvarControls {

namespace {

constexpr QLocale::FormatType nameFormats[] = {QLocale::LongFormat, QLocale::ShortFormat};

int qtDayOfWeek(int weekday)
{
    return weekday == 1 ? 7 : weekday - 1;
}

// Whether \a word is \a name, ignoring case and a trailing dot on the name.
bool sameName(QStringView word, QString name)
{
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return !name.isEmpty() && word.compare(name, Qt::CaseInsensitive) == 0;
}

// The locales whose names are recognised: the given one, then English.
QList<QLocale> readingLocales(const QLocale &locale)
{
    QList<QLocale> locales{locale};
    if (locale.language() != QLocale::C)
        locales.append(QLocale::c());
    return locales;
}

using NameOf = QString (QLocale::*)(int, QLocale::FormatType) const;

// The number (1 to count) of the name, in either form, that word is; 0 when none.
int findName(QStringView word, const QLocale &locale, int count, NameOf formatForm, NameOf standaloneForm)
{
    for (const QLocale &reading : readingLocales(locale)) {
        for (int number = 1; number <= count; ++number) {
            for (QLocale::FormatType format : nameFormats) {
                if (sameName(word, (reading.*formatForm)(number, format))
                    || sameName(word, (reading.*standaloneForm)(number, format)))
                    return number;
            }
        }
    }
    return 0;
}

} // namespace

DateNames::DateNames(const QLocale &locale)
    : m_locale(locale)
{
}

QString DateNames::monthName(int month, QLocale::FormatType format) const
{
    return m_locale.monthName(month, format);
}

QString DateNames::dayName(int weekday, QLocale::FormatType format) const
{
    return m_locale.dayName(qtDayOfWeek(weekday), format);
}

QString DateNames::meridiemText(bool morning) const
{
    return morning ? m_locale.amText() : m_locale.pmText();
}

int DateNames::monthFromName(QStringView word) const
{
    return findName(word, m_locale, 12, &QLocale::monthName, &QLocale::standaloneMonthName);
}

bool DateNames::isDayName(QStringView word) const
{
    return findName(word, m_locale, 7, &QLocale::dayName, &QLocale::standaloneDayName) != 0;
}

DateNames::Meridiem DateNames::meridiemFromName(QStringView word) const
{
    for (const QLocale &locale : readingLocales(m_locale)) {
        if (sameName(word, locale.amText()))
            return Morning;
        if (sameName(word, locale.pmText()))
            return Afternoon;
    }
    return NoMeridiem;
}

} // namespace OlvarControls
