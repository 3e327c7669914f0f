// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "dateformatter.h"
#include "dateliteral.h"
#include "testenvironment.h"

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace {

OleDate at(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    return OleDate::fromDateAndTime(QDate(year, month, day), QTime(hour, minute, second));
}

OleDate parsed(const char *text)
{
    const std::optional<OleDate> date = DateLiteral::parse(QString::fromLatin1(text));
    EXPECT_TRUE(date.has_value()) << text;
    return date.value_or(OleDate(-999999));
}

} // namespace

TEST(DateLiteral, NumericDatesReadMonthFirstWhateverTheLocale)
{
    const OlvarTest::LocaleScope german(QStringLiteral("de_DE"));
    EXPECT_EQ(parsed("03/07/2026"), at(2026, 3, 7));
    EXPECT_EQ(parsed("3/7/2026"), at(2026, 3, 7));
    EXPECT_EQ(parsed("03-07-2026"), at(2026, 3, 7));
    EXPECT_EQ(parsed("03.07.2026"), at(2026, 3, 7));
    EXPECT_EQ(parsed(" 12/31/1999 "), at(1999, 12, 31));
    EXPECT_EQ(parsed("2026-03-07"), at(2026, 3, 7));
    // A first number that cannot be a month is the day.
    EXPECT_EQ(parsed("25/12/2026"), at(2026, 12, 25));
    // Two-digit years.
    EXPECT_EQ(parsed("3/7/26"), at(2026, 3, 7));
    EXPECT_EQ(parsed("3/7/45"), at(1945, 3, 7));
}

TEST(DateLiteral, MonthNamesInEnglishOrTheUsersLanguage)
{
    EXPECT_EQ(parsed("07/Mar/2026"), at(2026, 3, 7));
    EXPECT_EQ(parsed("07-SEPT-2026"), at(2026, 9, 7));
    EXPECT_EQ(parsed("March 7, 2026"), at(2026, 3, 7));
    EXPECT_EQ(parsed("7 march 2026"), at(2026, 3, 7));
    const OlvarTest::LocaleScope german(QStringLiteral("de_DE"));
    EXPECT_EQ(parsed("07/Dez/2026"), at(2026, 12, 7));
    EXPECT_EQ(parsed("07/Dezember/2026"), at(2026, 12, 7));
    EXPECT_EQ(parsed("07/Dec/2026"), at(2026, 12, 7));
}

TEST(DateLiteral, TimesAloneFallOnDayZero)
{
    EXPECT_EQ(parsed("10:00:00"), at(1899, 12, 30, 10));
    EXPECT_EQ(parsed("10:00"), at(1899, 12, 30, 10));
    EXPECT_EQ(parsed("9:30 PM"), at(1899, 12, 30, 21, 30));
    EXPECT_EQ(parsed("12:00:00 am"), at(1899, 12, 30, 0));
    EXPECT_EQ(parsed("12:15 pm"), at(1899, 12, 30, 12, 15));
    EXPECT_EQ(parsed("11 PM"), at(1899, 12, 30, 23));
    EXPECT_TRUE(parsed("10:00:00").isTimeOnly());
}

TEST(DateLiteral, DatesWithTimes)
{
    EXPECT_EQ(parsed("03/07/2026 10:00:00"), at(2026, 3, 7, 10));
    EXPECT_EQ(parsed("07/Mar/2026 2:05:09 PM"), at(2026, 3, 7, 14, 5, 9));
    EXPECT_EQ(parsed("2026-03-07 23:59"), at(2026, 3, 7, 23, 59));
}

TEST(DateLiteral, TextsThatAreNoDates)
{
    for (const char *text : {"", "  ", "hello", "13/13/2026", "02/30/2026", "25:00", "10:61", "13:00 PM", "0 AM",
                             "3/Foo/2026", "Mar/Apr/2026", "1/2/3/4", "03/07/2026 10", "03/07/10000"}) {
        EXPECT_FALSE(DateLiteral::parse(QString::fromLatin1(text)).has_value()) << text;
    }
    // Without a year, the current year is meant.
    EXPECT_EQ(DateLiteral::parse(QStringLiteral("03/07"))->date(), QDate(QDate::currentDate().year(), 3, 7));
}

TEST(DateLiteral, TheDatesAndTimesWrittenForStatementsReadBackInEveryLocale)
{
    // The literals statements carry are written with the user's month names and digits.
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    QStringList failures;
    for (const QLocale &locale : locales) {
        OlvarTest::LocaleScope scope(locale.name());
        for (int month = 1; month <= 12; ++month) {
            const OleDate day = at(2026, month, month + 9);
            const OleDate time = OleDate::fromTime(QTime(month + 8, 30, 15));
            const QString dayText = DateFormatter::format(day, QStringLiteral("DD/MMM/YYYY"));
            const QString timeText = DateFormatter::format(time, QStringLiteral("HH:MM:SS"));
            if (DateLiteral::parse(dayText) != std::optional<OleDate>(day))
                failures << locale.name() + QLatin1Char(' ') + dayText;
            if (DateLiteral::parse(timeText) != std::optional<OleDate>(time))
                failures << locale.name() + QLatin1Char(' ') + timeText;
        }
    }
    EXPECT_TRUE(failures.isEmpty()) << failures.size() << " of " << locales.size() * 24 << ": "
                                    << failures.mid(0, 40).join(QLatin1String(" | ")).toStdString();
}
