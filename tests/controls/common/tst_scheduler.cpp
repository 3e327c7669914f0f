// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "oleerror.h"
#include "testenvironment.h"
#include "virtualscheduler.h"
#include "windowtimer.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace OlvarControls;
using OlvarTest::virtualScheduler;

namespace {

/* Records "name@elapsed" for every tick, checking that now() moved with the tick. */
struct TickLog
{
    std::vector<std::string> ticks;

    std::function<void()> recorder(const std::string &name)
    {
        return [this, name] {
            VirtualScheduler &scheduler = virtualScheduler();
            EXPECT_EQ(scheduler.now(), OlvarTest::defaultTestNow().addMSecs(scheduler.elapsed()));
            ticks.push_back(name + "@" + std::to_string(scheduler.elapsed()));
        };
    }
};

using Ticks = std::vector<std::string>;

} // namespace

TEST(VirtualScheduler, DeliversTicksInTimeOrder)
{
    VirtualScheduler &scheduler = virtualScheduler();
    TickLog log;
    scheduler.startTimer(30, log.recorder("a"));
    scheduler.startTimer(50, log.recorder("b"));
    scheduler.startTimer(70, log.recorder("c"));
    scheduler.advance(100);
    EXPECT_EQ(log.ticks, (Ticks{"a@30", "b@50", "a@60", "c@70", "a@90", "b@100"}));
    // At 150 b's tick was due first (scheduled at 100), a's only since 120.
    scheduler.advance(50);
    EXPECT_EQ(Ticks(log.ticks.begin() + 6, log.ticks.end()), (Ticks{"a@120", "c@140", "b@150", "a@150"}));
    EXPECT_EQ(scheduler.elapsed(), 150);
    EXPECT_EQ(scheduler.tickCount(), 150u);
    EXPECT_EQ(scheduler.msecsToNextTick(), 30);
}

TEST(VirtualScheduler, HandlersMayStartAndStopTimers)
{
    VirtualScheduler &scheduler = virtualScheduler();
    TickLog log;
    int self = 0;
    int victim = 0;
    int restarted = 0;
    const auto slowTick = log.recorder("slow");
    self = scheduler.startTimer(20, [&, tick = log.recorder("self")] {
        tick();
        scheduler.stopTimer(self); // its own
        scheduler.stopTimer(victim); // due at this very moment
        scheduler.startTimer(5, log.recorder("new"));
        restarted = scheduler.startTimer(1, [&, tick2 = log.recorder("once")] {
            tick2();
            scheduler.stopTimer(restarted);
            restarted = scheduler.startTimer(100, slowTick);
        });
    });
    victim = scheduler.startTimer(20, log.recorder("victim"));
    scheduler.advance(30);
    EXPECT_EQ(log.ticks, (Ticks{"self@20", "once@21", "new@25", "new@30"}));
    EXPECT_FALSE(scheduler.isTimerActive(self));
    EXPECT_FALSE(scheduler.isTimerActive(victim));
    EXPECT_TRUE(scheduler.isTimerActive(restarted));
    EXPECT_EQ(scheduler.activeTimerCount(), 2);
}

TEST(VirtualScheduler, APauseInsideAHandlerMovesTimeOnOnlyForwards)
{
    VirtualScheduler &scheduler = virtualScheduler();
    TickLog log;
    bool paused = false;
    scheduler.startTimer(100, [&, tick = log.recorder("slow")] {
        tick();
        if (!paused) {
            paused = true;
            scheduler.pause(200); // as a handler that waits while events go on
        }
    });
    scheduler.startTimer(40, log.recorder("fast"));
    scheduler.advance(150);
    EXPECT_EQ(log.ticks,
              (Ticks{"fast@40", "fast@80", "slow@100", "fast@120", "fast@160", "slow@200", "fast@200", "fast@240",
                     "fast@280", "slow@300"}));
    EXPECT_EQ(scheduler.elapsed(), 300);
    scheduler.advance(10);
    EXPECT_EQ(scheduler.elapsed(), 310);
}

TEST(VirtualScheduler, ClockAndArguments)
{
    VirtualScheduler &scheduler = virtualScheduler();
    EXPECT_EQ(Scheduler::instance().today(), OleDate::fromDate(QDate(2026, 3, 4)));
    scheduler.setTickCount(0xFFFFFFF0u);
    std::vector<OleDate> at;
    scheduler.startTimer(50, [&] { at.push_back(scheduler.now()); });
    scheduler.advance(40);
    const OleDate late = OleDate::fromDateAndTime(QDate(2026, 3, 4), QTime(23, 59, 59));
    scheduler.setNow(late);
    scheduler.advance(10); // the tick stays due 50 ms after the start
    EXPECT_EQ(at, (std::vector<OleDate>{late.addMSecs(10)}));
    EXPECT_EQ(scheduler.tickCount(), 0x22u); // wraps like the platform's tick count
    scheduler.advance(1000);
    EXPECT_EQ(scheduler.today(), OleDate::fromDate(QDate(2026, 3, 5)));

    EXPECT_THROW(scheduler.startTimer(0, [] {}), OleError);
    EXPECT_THROW(scheduler.startTimer(10, nullptr), OleError);
    EXPECT_THROW(scheduler.advance(-1), OleError);
    EXPECT_THROW(scheduler.pause(-1), OleError);
    scheduler.stopTimer(0);
    scheduler.stopTimer(12345);
    EXPECT_EQ(scheduler.activeTimerCount(), 1);
}

TEST(WindowTimer, TicksOnlyWhileEnabledWithAnInterval)
{
    VirtualScheduler &scheduler = virtualScheduler();
    WindowTimer timer;
    QSignalSpy ticks(&timer, &WindowTimer::Timer);
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_EQ(timer.property("Interval"), QVariant(0));
    scheduler.advance(1000);
    EXPECT_EQ(ticks.count(), 0);

    timer.setProperty("Interval", 100);
    scheduler.advance(250);
    EXPECT_EQ(ticks.count(), 2);
    timer.setInterval(100); // the same value restarts the countdown too
    scheduler.advance(99);
    EXPECT_EQ(ticks.count(), 2);
    scheduler.advance(1);
    EXPECT_EQ(ticks.count(), 3);

    timer.setEnabled(false);
    EXPECT_FALSE(timer.isActive());
    scheduler.advance(500);
    EXPECT_EQ(ticks.count(), 3);
    timer.setProperty("Enabled", true);
    scheduler.advance(99);
    EXPECT_EQ(ticks.count(), 3);
    scheduler.advance(1);
    EXPECT_EQ(ticks.count(), 4);

    timer.setInterval(0);
    EXPECT_FALSE(timer.isActive());
    EXPECT_TRUE(timer.isEnabled());
    EXPECT_EQ(scheduler.activeTimerCount(), 0);
}

TEST(WindowTimer, RefusesIntervalsItCannotCount)
{
    WindowTimer timer;
    timer.setInterval(WindowTimer::MaximumInterval);
    try {
        timer.setInterval(WindowTimer::MaximumInterval + 1);
        ADD_FAILURE() << "accepted";
    } catch (const OleError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::InvalidPropertyValue);
    }
    EXPECT_THROW(timer.setInterval(-1), OleError);
    EXPECT_EQ(timer.interval(), WindowTimer::MaximumInterval);
    EXPECT_TRUE(timer.isActive());
}

TEST(WindowTimer, HandlersMayRetuneOrDeleteTheirTimer)
{
    VirtualScheduler &scheduler = virtualScheduler();
    WindowTimer timer;
    timer.setInterval(1);
    std::vector<qint64> at;
    QObject::connect(&timer, &WindowTimer::Timer, [&] {
        at.push_back(scheduler.elapsed());
        timer.setEnabled(false);
        if (at.size() == 1) {
            timer.setInterval(500);
            timer.setEnabled(true);
        }
    });
    scheduler.advance(2000);
    EXPECT_EQ(at, (std::vector<qint64>{1, 501}));

    auto *doomed = new WindowTimer;
    doomed->setInterval(10);
    QSignalSpy destroyed(doomed, &QObject::destroyed);
    QObject::connect(doomed, &WindowTimer::Timer, [doomed] { delete doomed; });
    scheduler.advance(100);
    EXPECT_EQ(destroyed.count(), 1);
    EXPECT_EQ(scheduler.activeTimerCount(), 0);
}

TEST(WindowTimer, FiftyNineMinutesInOneAdvance)
{
    VirtualScheduler &scheduler = virtualScheduler();
    WindowTimer timer;
    timer.setInterval(60000);
    std::vector<QTime> at;
    QObject::connect(&timer, &WindowTimer::Timer, [&] { at.push_back(scheduler.now().time()); });
    scheduler.advance(59 * 60000);
    ASSERT_EQ(at.size(), 59u);
    EXPECT_EQ(at.front(), QTime(9, 1));
    EXPECT_EQ(at.back(), QTime(9, 59));
    EXPECT_EQ(scheduler.now(), OleDate::fromDateAndTime(QDate(2026, 3, 4), QTime(9, 59)));
}
