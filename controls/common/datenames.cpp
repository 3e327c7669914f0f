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
    for (const QLocale &locale : readingLocales(m_locale)) {
        for (int month = 1; month <= 12; ++month) {
            for (QLocale::FormatType format : nameFormats) {
                if (sameName(word, locale.monthName(month, format))
                    || sameName(word, locale.standaloneMonthName(month, format)))
                    return month;
            }
        }
    }
    return 0;
}

bool DateNames::isDayName(QStringView word) const
{
    for (const QLocale &locale : readingLocales(m_locale)) {
        for (int day = 1; day <= 7; ++day) {
            for (QLocale::FormatType format : nameFormats) {
                if (sameName(word, locale.dayName(day, format))
                    || sameName(word, locale.standaloneDayName(day, format)))
                    return true;
            }
        }
    }
    return false;
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
