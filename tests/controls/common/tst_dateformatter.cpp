// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "dateformatter.h"
#include "datetestsupport.h"
#include "testenvironment.h"

#include <gtest/gtest.h>

using OlvarControls::DateFormatter;
using OlvarControls::OleDate;
using namespace DateTestSupport;

namespace {

const OleDate saturday = at(2026, 3, 7, 10, 5, 9);

QString format(OleDate date, const char *pattern, const QLocale &locale = QLocale())
{
    return DateFormatter::format(date, QString::fromUtf8(pattern), locale);
}

} // namespace

TEST(DateFormatter, ThePatternsTheControlsAndTheDemoUse)
{
    EXPECT_EQ(format(saturday, "dddd mmmm dd, yyyy"), QStringLiteral("Saturday March 07, 2026"));
    EXPECT_EQ(format(saturday, "ddd, dd mmm"), QStringLiteral("Sat, 07 Mar"));
    EXPECT_EQ(format(saturday, "mm/dd/yyyy"), QStringLiteral("03/07/2026"));
    EXPECT_EQ(format(saturday, "dd/mm/yyyy"), QStringLiteral("07/03/2026"));
    EXPECT_EQ(format(saturday, "DD/MMM/YYYY"), QStringLiteral("07/Mar/2026"));
    EXPECT_EQ(format(saturday, "HH:MM:SS"), QStringLiteral("10:05:09"));
    EXPECT_EQ(format(saturday, "hh:mm "), QStringLiteral("10:05 "));
    EXPECT_EQ(format(saturday, "hh:mm  "), QStringLiteral("10:05  "));
    EXPECT_EQ(format(at(2026, 12, 25), "dddd mmmm dd, yyyy"), QStringLiteral("Friday December 25, 2026"));
}

TEST(DateFormatter, TwelveHourClock)
{
    EXPECT_EQ(format(timeOfDay(10, 0), "h:mm am/pm"), QStringLiteral("10:00 am"));
    EXPECT_EQ(format(timeOfDay(0, 0), "h:mm am/pm"), QStringLiteral("12:00 am"));
    EXPECT_EQ(format(timeOfDay(0, 30), "h:mm am/pm"), QStringLiteral("12:30 am"));
    EXPECT_EQ(format(timeOfDay(12, 0), "h:mm am/pm"), QStringLiteral("12:00 pm"));
    EXPECT_EQ(format(timeOfDay(12, 30), "h:mm am/pm"), QStringLiteral("12:30 pm"));
    EXPECT_EQ(format(timeOfDay(13, 5), "h:mm am/pm"), QStringLiteral("1:05 pm"));
    EXPECT_EQ(format(timeOfDay(23, 59), "hh:nn AM/PM"), QStringLiteral("11:59 PM"));
    EXPECT_EQ(format(timeOfDay(9, 0), "h A/P"), QStringLiteral("9 A"));
    EXPECT_EQ(format(timeOfDay(21, 0), "h a/p"), QStringLiteral("9 p"));
    EXPECT_EQ(format(timeOfDay(21, 0), "h ampm"), QStringLiteral("9 pm"));
    EXPECT_EQ(format(timeOfDay(21, 0), "h ampm", QLocale(QStringLiteral("en_US"))), QStringLiteral("9 PM"));
    EXPECT_EQ(format(timeOfDay(21, 0), "hh:mm"), QStringLiteral("21:00")); // no marker: 24 hours
}

TEST(DateFormatter, MonthOrMinutesByTheirNeighbours)
{
    EXPECT_EQ(format(saturday, "m"), QStringLiteral("3"));
    EXPECT_EQ(format(saturday, "h:m"), QStringLiteral("10:5"));
    EXPECT_EQ(format(saturday, "mm:ss"), QStringLiteral("05:09"));
    EXPECT_EQ(format(saturday, "yyyy-mm-dd hh:nn"), QStringLiteral("2026-03-07 10:05"));
    EXPECT_EQ(format(saturday, "hh \"h\" mm"), QStringLiteral("10 h 05"));
    EXPECT_EQ(format(saturday, "hh mmm"), QStringLiteral("10 Mar")); // a name is always the month
    EXPECT_EQ(format(saturday, "dd/mm hh"), QStringLiteral("07/03 10"));
}

TEST(DateFormatter, NumbersNamesAndYears)
{
    const OleDate early = at(2005, 1, 2, 3, 4, 5);
    EXPECT_EQ(format(early, "d/m/yy h:n:s"), QStringLiteral("2/1/05 3:4:5"));
    EXPECT_EQ(format(early, "dd/mm/yyyy hh:nn:ss"), QStringLiteral("02/01/2005 03:04:05"));
    EXPECT_EQ(format(at(100, 1, 1), "yyyy"), QStringLiteral("0100"));
    EXPECT_EQ(format(at(1850, 7, 4), "dddd d mmmm yyyy"), QStringLiteral("Thursday 4 July 1850"));
    EXPECT_EQ(format(saturday, "y"), QStringLiteral("66")); // day of the year
    EXPECT_EQ(format(saturday, "mmmmm"), QStringLiteral("March"));
    EXPECT_EQ(format(saturday, "ddddd"), QStringLiteral("07/03/2026"));
    EXPECT_EQ(format(saturday, "ddddd", QLocale(QStringLiteral("en_US"))), QStringLiteral("3/7/2026"));
    EXPECT_EQ(format(saturday, "c"), QStringLiteral("07/03/2026 10:05:09"));
}

TEST(DateFormatter, WeekdayWeekAndQuarter)
{
    EXPECT_EQ(format(saturday, "w"), QStringLiteral("7"));
    EXPECT_EQ(format(at(2026, 3, 8), "w"), QStringLiteral("1"));
    EXPECT_EQ(format(at(2026, 1, 3), "ww"), QStringLiteral("1")); // 1 January 2026 is a Thursday
    EXPECT_EQ(format(at(2026, 1, 4), "ww"), QStringLiteral("2"));
    EXPECT_EQ(format(saturday, "ww"), QStringLiteral("10"));
    EXPECT_EQ(format(at(2026, 12, 31), "ww q"), QStringLiteral("53 4"));
    EXPECT_EQ(format(saturday, "q"), QStringLiteral("1"));
}

TEST(DateFormatter, NamesComeFromTheLocale)
{
    const QLocale german(QStringLiteral("de_DE"));
    EXPECT_EQ(format(saturday, "dddd, d. mmmm yyyy", german), QStringLiteral("Samstag, 7. März 2026"));
    EXPECT_EQ(format(saturday, "dd/mm/yyyy", german), QStringLiteral("07/03/2026")); // "/" stays as written
    EXPECT_EQ(format(saturday, "HH:MM:SS", german), QStringLiteral("10:05:09"));
    OlvarTest::LocaleScope french(QStringLiteral("fr_FR"));
    EXPECT_EQ(format(saturday, "dddd d mmmm"), QStringLiteral("samedi 7 mars"));
}

TEST(DateFormatter, LiteralsStandAsWritten)
{
    EXPECT_EQ(format(saturday, "\"Day\" d"), QStringLiteral("Day 7"));
    EXPECT_EQ(format(saturday, "\\d\\a\\y d"), QStringLiteral("day 7"));
    EXPECT_EQ(format(saturday, "#dd/mm/yyyy#"), QStringLiteral("#07/03/2026#"));
    EXPECT_EQ(format(saturday, "[x] ! ,. - t"), QStringLiteral("[x] ! ,. - t"));
    EXPECT_EQ(format(saturday, "\"unterminated d"), QStringLiteral("unterminated d"));
    EXPECT_EQ(format(saturday, "d\\"), QStringLiteral("7"));
    EXPECT_EQ(format(saturday, ""), QString());
}

TEST(DateFormatter, TimesRoundToTheNearestSecond)
{
    EXPECT_EQ(format(at(2026, 3, 7, 10, 0, 59).addMSecs(600), "hh:nn:ss"), QStringLiteral("10:01:00"));
    EXPECT_EQ(format(at(2026, 3, 7, 23, 59, 59).addMSecs(500), "dd/mm/yyyy hh:nn:ss"),
              QStringLiteral("08/03/2026 00:00:00"));
    // The last half second of the range stays in year 9999.
    EXPECT_EQ(format(at(9999, 12, 31, 23, 59, 59).addMSecs(500), "dd/mm/yyyy hh:nn:ss"),
              QStringLiteral("31/12/9999 23:59:59"));
    EXPECT_EQ(format(at(100, 1, 1, 2, 3), "dd/mm/yyyy hh:nn:ss"), QStringLiteral("01/01/0100 02:03:00"));
}

TEST(DateFormatter, DatesOutOfRangeAreRefused)
{
    EXPECT_EQ(errorNumberOf([] { DateFormatter::format(OleDate(1e8), QStringLiteral("dd")); }), 5);
    EXPECT_EQ(errorNumberOf([] { DateFormatter::format(OleDate(-1e8), QStringLiteral("dd")); }), 5);
}
