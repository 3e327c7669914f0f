// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "datetestsupport.h"
#include "gdisurface.h"
#include "hourlettesthelpers.h"
#include "propertybag.h"
#include "surfacetesthelpers.h"
#include "virtualscheduler.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarTest;
using namespace OlvarTest::Colours;
using DateTestSupport::errorNumberOf;

namespace {

constexpr OleColor Green = OleColor::fromOle(0x00FF00);

QImage imageOf(const Hourlet &hourlet)
{
    QImage image(hourlet.drawingSurface().size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, hourlet.drawingSurface().GetPixel(x, y).value());
    return image;
}

/* A shown day view on testDay() at 07:00, with two overlapping sessions booked in a practice database. */
class HourletAdditions : public testing::Test
{
protected:
    void SetUp() override
    {
        first = book(10, 0, 11, 0, QStringLiteral("First"));
        second = book(10, 30, 11, 30, QStringLiteral("Second"));
        hourlet = shownHourlet();
        hourlet->setAppItemBackColor(Yellow);
        hourlet->setAppItemBorderColor(Red);
        hourlet->setShowTimeScale(true);
        hourlet->setConnectionString(database.connectionString());
        hourlet->setResource(12);
        hourlet->setVScrollValue(224);
    }

    qint32 book(int hour, int minute, int endHour, int endMinute, const QString &subject)
    {
        return database.addSession(OleDate::fromDate(testDay()), at(testDay(), hour, minute),
                                   at(testDay(), endHour, endMinute), subject);
    }

    OleColor pixel(int x, int y) const { return hourlet->drawingSurface().GetPixel(x, y); }

    void click(int x, int y)
    {
        QTest::mousePress(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
        QTest::mouseRelease(hourlet.get(), Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    }

    SessionDatabase database;
    qint32 first = 0;
    qint32 second = 0;
    std::unique_ptr<Hourlet> hourlet;
};

} // namespace

TEST_F(HourletAdditions, SwitchedOnAndOffAgainTheyLeaveTheDrawingAndTheSavedKeysAsTheyWere)
{
    virtualScheduler().setNow(at(testDay(), 10, 45));
    const QImage before = imageOf(*hourlet);
    PropertyBag plain;
    hourlet->WriteProperties(plain);

    hourlet->setOverlapLayout(true);
    hourlet->setShowNowLine(true);
    hourlet->setNowLineColor(Green);
    hourlet->setWorkDayEnd(timeOfDay(18));
    hourlet->setWorkDayStart(timeOfDay(7));
    EXPECT_NE(imageOf(*hourlet), before);

    hourlet->setOverlapLayout(false);
    hourlet->setShowNowLine(false);
    hourlet->setNowLineColor(Hourlet::DefaultNowLineColor);
    hourlet->setWorkDayStart(timeOfDay(9));
    hourlet->setWorkDayEnd(timeOfDay(17));
    EXPECT_EQ(imageOf(*hourlet), before);
    PropertyBag again;
    hourlet->WriteProperties(again);
    EXPECT_EQ(again.toText(), plain.toText());
}

TEST_F(HourletAdditions, TheNewKeysFollowTheOthersAndAnOlderBagLoadsWithTheDefaults)
{
    hourlet->setWorkDayEnd(timeOfDay(18, 30));
    hourlet->setWorkDayStart(timeOfDay(8));
    hourlet->setShowNowLine(true);
    hourlet->setNowLineColor(Green);
    hourlet->setOverlapLayout(true);
    PropertyBag bag;
    hourlet->WriteProperties(bag);
    const QStringList keys = bag.keys();
    EXPECT_EQ(keys.mid(keys.size() - 5),
              (QStringList{QStringLiteral("WorkDayStart"), QStringLiteral("WorkDayEnd"), QStringLiteral("ShowNowLine"),
                           QStringLiteral("NowLineColor"), QStringLiteral("OverlapLayout")}));

    Hourlet restored;
    restored.ReadProperties(bag);
    EXPECT_EQ(restored.workDayStart(), timeOfDay(8));
    EXPECT_EQ(restored.workDayEnd(), timeOfDay(18, 30));
    EXPECT_TRUE(restored.showNowLine());
    EXPECT_EQ(restored.nowLineColor(), Green);
    EXPECT_TRUE(restored.overlapLayout());

    Hourlet older;
    PropertyBag olderBag;
    olderBag.WriteProperty(QStringLiteral("BorderStyle"), QVariant::fromValue(qint16(0)));
    older.ReadProperties(olderBag);
    EXPECT_EQ(older.workDayStart(), timeOfDay(9));
    EXPECT_EQ(older.workDayEnd(), timeOfDay(17));
    EXPECT_FALSE(older.showNowLine());
    EXPECT_EQ(older.nowLineColor(), Red);
    EXPECT_FALSE(older.overlapLayout());
}

TEST_F(HourletAdditions, TheWorkingDayWidensToSlotBoundariesAndRefusesAnEmptyOrReversedBand)
{
    QSignalSpy starts(hourlet.get(), &Hourlet::WorkDayStartChanged);
    hourlet->setWorkDayStart(timeOfDay(8, 15)); // from the 08:00 slot
    hourlet->setWorkDayEnd(timeOfDay(12, 40)); // to 13:00
    EXPECT_EQ(starts.count(), 1);
    const int x = 700;
    EXPECT_EQ(pixel(x, slotRow(15, 224)), hourlet->unAvailableColor()); // 07:30
    EXPECT_EQ(pixel(x, slotRow(16, 224)), hourlet->availableColor()); // 08:00
    EXPECT_EQ(pixel(x, slotRow(25, 224, 14)), hourlet->availableColor()); // 12:30
    EXPECT_EQ(pixel(x, slotRow(26, 224, 8)), hourlet->unAvailableColor()); // 13:00

    EXPECT_EQ(errorNumberOf([&] { hourlet->setWorkDayEnd(timeOfDay(8, 15)); }), 380);
    EXPECT_EQ(errorNumberOf([&] { hourlet->setWorkDayStart(timeOfDay(13)); }), 380);
    EXPECT_EQ(errorNumberOf([&] { hourlet->setWorkDayStart(OleDate(-1.25)); }), 380);
    EXPECT_EQ(errorNumberOf([&] { hourlet->setWorkDayEnd(OleDate(1.5)); }), 380);
    EXPECT_EQ(hourlet->workDayStart(), timeOfDay(8, 15));
    EXPECT_EQ(hourlet->workDayEnd(), timeOfDay(12, 40));
    hourlet->setWorkDayEnd(OleDate(1.0)); // 24:00 closes the day
    EXPECT_EQ(pixel(x, 390), hourlet->availableColor());

    // A damaged bag with a reversed day falls back to the default working day.
    Hourlet restored;
    PropertyBag damaged;
    damaged.WriteProperty(QStringLiteral("WorkDayStart"), QVariant::fromValue(timeOfDay(18)));
    damaged.WriteProperty(QStringLiteral("WorkDayEnd"), QVariant::fromValue(timeOfDay(6)));
    restored.ReadProperties(damaged);
    EXPECT_EQ(restored.workDayStart(), timeOfDay(9));
    EXPECT_EQ(restored.workDayEnd(), timeOfDay(17));
}

TEST_F(HourletAdditions, TheNowLineMovesWithTheSchedulersClockAndOnlyShowsToday)
{
    VirtualScheduler &clock = virtualScheduler();
    clock.setNow(at(testDay(), 10, 0).addMSecs(30'000));
    hourlet->setNowLineColor(Green);
    hourlet->setShowNowLine(true);
    const int row = 379 - 224; // 10:00
    EXPECT_EQ(pixel(700, row), Green);
    EXPECT_EQ(pixel(700, row + 1), Green);
    EXPECT_NE(pixel(700, row + 2), Green);
    EXPECT_EQ(pixel(64 + 2, row), Green); // across the slot area, over the appointments
    EXPECT_EQ(pixelsOf(hourlet->drawingSurface(), Green).size(), 2 * (800 - 65));

    clock.advance(30'000); // 10:01: less than a pixel
    EXPECT_EQ(pixel(700, row), Green);
    clock.advance(60'000); // 10:02
    EXPECT_NE(pixel(700, row), Green);
    EXPECT_EQ(pixel(700, row + 1), Green);
    EXPECT_EQ(pixel(700, row + 2), Green);
    clock.advance(58 * 60'000); // 11:00
    EXPECT_EQ(pixel(700, 411 - 224), Green);

    hourlet->setActiveDate(OleDate::fromDate(testDay().addDays(1)));
    EXPECT_TRUE(pixelsOf(hourlet->drawingSurface(), Green).isEmpty());
    hourlet->setActiveDate(OleDate::fromDate(testDay()));
    hourlet->setShowNowLine(false);
    EXPECT_TRUE(pixelsOf(hourlet->drawingSurface(), Green).isEmpty());
    EXPECT_EQ(clock.activeTimerCount(), 0);
}

TEST_F(HourletAdditions, OverlappingSessionsSitSideBySideAndTheHitTestFollowsTheBoxes)
{
    hourlet->setOverlapLayout(true);
    // Box area x 66 to 779: two columns split at 422.
    const int firstRow = 379 - 224 + 8; // 10:00 to 10:30: only the first
    const int bothRow = 395 - 224 + 8; // 10:30 to 11:00: both
    const int secondRow = 411 - 224 + 8; // 11:00 to 11:30: only the second
    EXPECT_EQ(pixel(200, firstRow), Yellow);
    EXPECT_EQ(pixel(600, firstRow), hourlet->availableColor());
    EXPECT_EQ(pixel(200, bothRow), Yellow);
    EXPECT_EQ(pixel(422, bothRow), Red);
    EXPECT_EQ(pixel(600, bothRow), Yellow);
    EXPECT_EQ(pixel(200, secondRow), hourlet->availableColor());
    EXPECT_EQ(pixel(600, secondRow), Yellow);

    click(600, bothRow);
    EXPECT_EQ(hourlet->sessionId(), second);
    click(200, bothRow);
    EXPECT_EQ(hourlet->sessionId(), first);
    click(600, firstRow); // beside the first box: free
    EXPECT_EQ(hourlet->sessionId(), -1);

    hourlet->setOverlapLayout(false);
    click(200, bothRow); // full width, the later one on top
    EXPECT_EQ(hourlet->sessionId(), second);
}
