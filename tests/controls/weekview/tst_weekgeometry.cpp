// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "oledate.h"
#include "oleerror.h"
#include "testenvironment.h"
#include "weekdates.h"
#include "weeklayout.h"

#include <QDate>
#include <QTime>

#include <gtest/gtest.h>

using namespace OlvarControls;

namespace {

/* Offsets from the active date, column 0 to column 6, for Sunday (1) to Saturday (7). */
const int OffsetTable[7][7] = {
    {0, -1, -2, -3, -4, -5, -6}, // Sunday
    {6, 5, 4, 3, 2, 1, 0}, // Monday
    {5, 4, 3, 2, 1, 0, -1}, // Tuesday
    {4, 3, 2, 1, 0, -1, -2}, // Wednesday
    {3, 2, 1, 0, -1, -2, -3}, // Thursday
    {2, 1, 0, -1, -2, -3, -4}, // Friday
    {1, 0, -1, -2, -3, -4, -5}, // Saturday
};

} // namespace

TEST(WeekDates, EveryWeekdayGivesMondayToSundayOfItsWeek)
{
    // Sunday 8 March 2026 to Saturday 14 March 2026.
    for (int weekday = 1; weekday <= 7; ++weekday) {
        const QDate day(2026, 3, 7 + weekday);
        const OleDate active = OleDate::fromDate(day);
        ASSERT_EQ(active.weekday(), weekday);
        for (int index = 0; index < 7; ++index) {
            const int expected = OffsetTable[weekday - 1][index];
            EXPECT_EQ(WeekDates::offset(weekday, index), expected) << weekday << " " << index;
            EXPECT_EQ(WeekDates::columnDate(active, index), OleDate::fromDate(day.addDays(expected)))
                << day.toString(Qt::ISODate).toStdString() << " column " << index;
        }
        EXPECT_EQ(WeekDates::monday(active).date().dayOfWeek(), Qt::Monday);
    }
}

TEST(WeekDates, MondayIsLeftmostAndTheWeekNeverStartsOnSunday)
{
    const OleDate monday = OleDate::fromDate(QDate(2026, 3, 9));
    EXPECT_EQ(WeekDates::columnDate(monday, 6), monday);
    EXPECT_EQ(WeekDates::columnDate(monday, 0), OleDate::fromDate(QDate(2026, 3, 15)));

    const OleDate sunday = OleDate::fromDate(QDate(2026, 3, 15));
    EXPECT_EQ(WeekDates::columnDate(sunday, 0), sunday);
    EXPECT_EQ(WeekDates::columnDate(sunday, 6), monday);
}

TEST(WeekDates, ATimeOfDayGoesIntoEveryColumnAndTheLocaleDoesNotMatter)
{
    const OlvarTest::LocaleScope us(QStringLiteral("en_US")); // weeks start on Sunday there
    const OleDate active = OleDate::fromDateAndTime(QDate(2026, 3, 11), QTime(14, 30)); // a Wednesday
    for (int index = 0; index < 7; ++index) {
        const OleDate date = WeekDates::columnDate(active, index);
        EXPECT_EQ(date.time(), QTime(14, 30)) << index;
        EXPECT_EQ(date.date(), QDate(2026, 3, 15).addDays(-index)) << index;
    }
    // Before day 0 the time of day stays the same too.
    const OleDate early = OleDate::fromDateAndTime(QDate(1899, 12, 20), QTime(6, 0));
    EXPECT_EQ(WeekDates::monday(early), OleDate::fromDateAndTime(QDate(1899, 12, 18), QTime(6, 0)));
}

TEST(WeekDates, ArgumentsOutsideTheWeekAreRefused)
{
    for (const auto &[weekday, index] : {std::pair{0, 0}, {8, 0}, {1, -1}, {1, 7}}) {
        try {
            WeekDates::offset(weekday, index);
            ADD_FAILURE() << weekday << " " << index;
        } catch (const OleError &error) {
            EXPECT_EQ(error.number(), ErrorNumber::InvalidProcedureCall);
        }
    }
}

TEST(WeekLayout, SharesTheWidthWithTheTimeScale)
{
    const WeekLayout layout(1780, 4000, true);
    EXPECT_EQ(layout.columnWidth(), 100);
    ASSERT_TRUE(layout.setsWidths());
    const int widths[7] = {340, 100, 100, 100, 100, 100, 940};
    for (int index = 0; index < 7; ++index) {
        EXPECT_EQ(layout.width(index), widths[index]) << index;
        EXPECT_EQ(layout.height(), 4000);
    }
    const int lefts[7] = {0, 940, 1040, 1140, 1240, 1340, 1440}; // column 6 to column 0
    for (int index = 6; index >= 0; --index)
        EXPECT_EQ(layout.left(index), lefts[6 - index]) << index;
    // The columns tile the width.
    EXPECT_EQ(layout.left(0) + layout.width(0), 1780);
}

TEST(WeekLayout, RoundsTheShareHalfToEven)
{
    EXPECT_EQ(WeekLayout(2131, 100, true).columnWidth(), 150); // 150.14
    EXPECT_EQ(WeekLayout(1080 + 703, 100, true).columnWidth(), 100); // 100.43
    EXPECT_EQ(WeekLayout(1080 + 704, 100, true).columnWidth(), 101); // 100.57
    EXPECT_EQ(WeekLayout(240 + 7 * 100 + 3, 100, false).columnWidth(), 100); // 100.43
    EXPECT_EQ(WeekLayout(240 + 1435, 100, false).columnWidth(), 205); // exactly
}

TEST(WeekLayout, WithoutTheTimeScaleEachColumnGainsASeventhOfIt)
{
    const WeekLayout with(1780 + 840, 100, true);
    const WeekLayout without(1780 + 840, 100, false);
    EXPECT_EQ(without.columnWidth() - with.columnWidth(), 120);
    EXPECT_EQ(without.timeScaleAllowance(), 0);
    EXPECT_EQ(without.width(6), without.columnWidth());
    EXPECT_EQ(without.width(0), without.columnWidth() + 240);
    EXPECT_EQ(without.left(5), without.columnWidth());
}

TEST(WeekLayout, ANarrowControlKeepsItsWidthsButStillPlacesTheColumns)
{
    const WeekLayout narrow(1000, 3000, true); // (1000 - 1080) / 7 rounds to -11
    EXPECT_EQ(narrow.columnWidth(), -11);
    EXPECT_FALSE(narrow.setsWidths());
    EXPECT_EQ(narrow.height(), 3000);
    EXPECT_EQ(narrow.left(6), 0);
    EXPECT_EQ(narrow.left(5), -11 + 840);
    EXPECT_EQ(narrow.left(0), 6 * -11 + 840);
    EXPECT_FALSE(WeekLayout(1080, 3000, true).setsWidths()); // exactly nothing left
    EXPECT_THROW(narrow.width(7), OleError);
}
