// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "oledate.h"
#include "oleerror.h"

#include <QVariant>
#include <cmath>

#include <gtest/gtest.h>

using OlvarControls::OleDate;

TEST(OleDate, SerialValuesNameThePlatformsDays)
{
    EXPECT_EQ(OleDate::fromDate(QDate(1899, 12, 30)).value(), 0.0);
    EXPECT_EQ(OleDate::fromDate(QDate(1900, 1, 1)).value(), 2.0);
    EXPECT_EQ(OleDate::fromDate(QDate(2026, 3, 7)).value(), 46088.0);
    EXPECT_EQ(OleDate(46088.5).time(), QTime(12, 0));
    EXPECT_EQ(OleDate(46088.5).date(), QDate(2026, 3, 7));
}

TEST(OleDate, NegativeValuesKeepTheirTimeOfDayInTheFraction)
{
    const OleDate d(-1.25);
    EXPECT_EQ(d.date(), QDate(1899, 12, 29));
    EXPECT_EQ(d.time(), QTime(6, 0));
    EXPECT_EQ(OleDate::fromDateAndTime(QDate(1899, 12, 29), QTime(6, 0)).value(), -1.25);
    EXPECT_LT(OleDate(-1.25), OleDate(-1.0).addDays(1)); // 29 Dec 06:00 before 30 Dec 00:00
    EXPECT_EQ(OleDate(-0.5), OleDate(0.5)); // same instant: day 0, noon
}

TEST(OleDate, InstantsBuiltByDifferentRoutesCompareEqual)
{
    const OleDate day = OleDate::fromDate(QDate(2026, 3, 7));
    for (int k = 0; k < 48; ++k) {
        const OleDate bySlot(day.value() + k * (1.0 / 48.0));
        const OleDate byTime = OleDate::fromDateAndTime(QDate(2026, 3, 7), QTime(0, 0).addSecs(k * 1800));
        EXPECT_EQ(bySlot, byTime) << k;
    }
}

TEST(OleDate, PartsAndArithmetic)
{
    const OleDate d = OleDate::fromDateAndTime(QDate(2024, 1, 31), QTime(10, 30));
    EXPECT_EQ(d.datePart(), OleDate::fromDate(QDate(2024, 1, 31)));
    EXPECT_EQ(d.timePart(), OleDate::fromTime(QTime(10, 30)));
    EXPECT_TRUE(d.timePart().isTimeOnly());
    EXPECT_TRUE(d.datePart().isDateOnly());
    EXPECT_EQ(d.addMonths(1).date(), QDate(2024, 2, 29));
    EXPECT_EQ(d.addMonths(1).time(), QTime(10, 30));
    EXPECT_EQ(d.addMonths(13).date(), QDate(2025, 2, 28));
    EXPECT_EQ(d.addDays(-31).date(), QDate(2023, 12, 31));
}

TEST(OleDate, WeekdayCountsFromSundayWhateverTheLocale)
{
    EXPECT_EQ(OleDate(0).weekday(), 7); // Saturday
    EXPECT_EQ(OleDate::fromDate(QDate(2026, 3, 8)).weekday(), 1); // Sunday
    EXPECT_EQ(OleDate::fromDate(QDate(2026, 3, 9)).weekday(), 2); // Monday
    EXPECT_EQ(OleDate::fromDate(QDate(1899, 12, 24)).weekday(), 1); // a Sunday before day 0
}

TEST(OleDate, HourBoundariesCountCalendarHoursNotElapsedOnes)
{
    const QDate day(2026, 3, 7);
    EXPECT_EQ(OleDate::hourBoundariesBetween(OleDate::fromDateAndTime(day, QTime(9, 59)),
                                             OleDate::fromDateAndTime(day, QTime(10, 0))),
              1);
    EXPECT_EQ(OleDate::hourBoundariesBetween(OleDate::fromDateAndTime(day, QTime(10, 0)),
                                             OleDate::fromDateAndTime(day, QTime(10, 59))),
              0);
    EXPECT_EQ(OleDate::hourBoundariesBetween(OleDate::fromDateAndTime(day, QTime(11, 0)),
                                             OleDate::fromDateAndTime(day, QTime(9, 30))),
              -2);
    EXPECT_EQ(OleDate::hourBoundariesBetween(OleDate::fromDate(day), OleDate::fromDate(day.addDays(1))), 24);
}

TEST(OleDate, ConvertsThroughQVariant)
{
    QVariant v = QVariant::fromValue(QDate(2026, 3, 7));
    ASSERT_TRUE(v.convert(QMetaType::fromType<OleDate>()));
    EXPECT_EQ(v.value<OleDate>().value(), 46088.0);

    QVariant back = QVariant::fromValue(OleDate(46088.25));
    EXPECT_EQ(back.toDateTime(), QDateTime(QDate(2026, 3, 7), QTime(6, 0)));
    EXPECT_EQ(back.toDouble(), 46088.25);
}

TEST(OleDate, WeekdaysCountFromAGivenFirstDay)
{
    EXPECT_EQ(OleDate::firstDayOfWeek(QLocale(QStringLiteral("en_US"))), 1); // Sunday
    EXPECT_EQ(OleDate::firstDayOfWeek(QLocale(QStringLiteral("en_GB"))), 2); // Monday
    EXPECT_EQ(OleDate::firstDayOfWeek(QLocale(QStringLiteral("ar_EG"))), 7); // Saturday

    const OleDate monday = OleDate::fromDate(QDate(2026, 3, 9));
    const OleDate sunday = OleDate::fromDate(QDate(2026, 3, 8));
    EXPECT_EQ(monday.weekday(2), 1);
    EXPECT_EQ(sunday.weekday(2), 7);
    EXPECT_EQ(sunday.weekday(1), 1);
    EXPECT_EQ(monday.weekday(7), 3);
    EXPECT_EQ(monday.weekday(0), 1); // 0: the default locale's first day, Monday in en_GB
    for (int invalid : {-1, 8}) {
        try {
            (void)monday.weekday(invalid);
            ADD_FAILURE() << invalid;
        } catch (const OlvarControls::OleError &error) {
            EXPECT_EQ(error.number(), 5);
        }
    }
}

TEST(OleDate, RoundsToTheNearestSecond)
{
    const OleDate ten = OleDate::fromDateAndTime(QDate(2026, 3, 7), QTime(10, 0));
    EXPECT_EQ(ten.addMSecs(499).roundedToSecond(), ten);
    EXPECT_EQ(ten.addMSecs(500).roundedToSecond(), ten.addMSecs(1000));
    EXPECT_EQ(OleDate(-1.25).addMSecs(-400).roundedToSecond(), OleDate(-1.25)); // before day 0 too
}

TEST(OleDate, TheRangeHoldsEveryTimeOfItsFirstAndLastDay)
{
    const OleDate firstDay = OleDate::fromDate(QDate(100, 1, 1));
    EXPECT_EQ(firstDay.value(), -657434.0);
    for (const QTime &time : {QTime(0, 0), QTime(2, 3), QTime(23, 59, 59)}) {
        const OleDate onFirst = OleDate::fromDateAndTime(QDate(100, 1, 1), time);
        EXPECT_TRUE(onFirst.isValid()) << qPrintable(time.toString()); // -657434.085… for 02:03
        EXPECT_TRUE(OleDate::fromDateAndTime(QDate(9999, 12, 31), time).isValid());
    }
    EXPECT_FALSE(OleDate::fromDateAndTime(QDate(99, 12, 31), QTime(23, 59, 59)).isValid());
    EXPECT_FALSE(firstDay.addDays(-1).isValid());
    EXPECT_FALSE(OleDate::fromDate(QDate(10000, 1, 1)).isValid());
}

TEST(OleDate, RoundingStaysInsideTheRange)
{
    const OleDate last = OleDate::fromDateAndTime(QDate(9999, 12, 31), QTime(23, 59, 59));
    EXPECT_EQ(last.addMSecs(500).roundedToSecond(), last);
    EXPECT_EQ(last.addMSecs(999).roundedToSecond(), last);
    EXPECT_EQ(last.addMSecs(500).roundedToSecond().date(), QDate(9999, 12, 31));
}

TEST(OleDate, HugeValuesAreHeldWithoutOverflow)
{
    // Out of range, and far beyond what 64-bit milliseconds hold: no overflow, and order kept.
    for (double days : {1e14, 1e15, 1e308, -1e308, 9.3e18, -1e200}) {
        const OleDate huge(days);
        EXPECT_FALSE(huge.isValid()) << days;
        EXPECT_EQ(huge.toMSecs() < 0, days < 0) << days;
        EXPECT_EQ(huge.addDays(6).isValid(), false);
        (void)huge.dayNumber();
        (void)huge.roundedToSecond();
    }
    EXPECT_LT(OleDate(-1e308), OleDate(0));
    EXPECT_LT(OleDate(0), OleDate(1e308));
    EXPECT_EQ(OleDate(std::nan("")).toMSecs(), 0);
}
