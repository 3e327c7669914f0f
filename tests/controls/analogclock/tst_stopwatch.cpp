// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "analogclock.h"
#include "clockgeometry.h"
#include "clocktesthelpers.h"
#include "stopwatch.h"
#include "testenvironment.h"
#include "windowtimer.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

using namespace OlvarControls;
using OlvarTest::ClockHost;
using OlvarTest::virtualScheduler;

namespace {

Stopwatch::Reading readingAfter(quint32 startTick, quint32 elapsedMs)
{
    Stopwatch stopwatch;
    stopwatch.start(startTick);
    return stopwatch.read(startTick + elapsedMs);
}

/* The colour the control shows in the middle of tick mark \a position. */
QColor markColor(const ClockHost &t, int position)
{
    ClockGeometry geometry;
    geometry.layOut(t.sizeTwips());
    const QPoint middle =
        (geometry.point(ClockGeometry::TickInner, position) + geometry.point(ClockGeometry::TickOuter, position)) / 30;
    const QImage image = t.clock().grab().toImage();
    for (const QColor candidate : {QColor(0, 255, 0), QColor(255, 255, 0), QColor(0, 0, 255)}) {
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                if (image.pixelColor(middle.x() + dx, middle.y() + dy) == candidate)
                    return candidate;
            }
        }
    }
    return QColor();
}

} // namespace

TEST(Stopwatch, ReadsElapsedTimeFromTheTickCount)
{
    const Stopwatch::Reading hour = readingAfter(1000, 3725500);
    EXPECT_EQ(hour.text(), QStringLiteral("1:2:5.50"));
    EXPECT_EQ(hour.hourIndex(), 5);
    EXPECT_EQ(hour.minuteIndex(), 2);
    EXPECT_EQ(hour.secondIndex(), 5);

    EXPECT_EQ(readingAfter(0, 75340).text(), QStringLiteral("0:1:15.34"));
    EXPECT_EQ(readingAfter(0, 5070).text(), QStringLiteral("0:0:5.7"));
    EXPECT_EQ(readingAfter(0, 9).text(), QStringLiteral("0:0:0.0"));
    // Thirteen hours put the hour hand back at one o'clock.
    EXPECT_EQ(readingAfter(0, 13 * 3600000u).hourIndex(), 5);
    // A tick count that wraps during the measurement loses no time.
    EXPECT_EQ(readingAfter(0xFFFFFF00u, 61000).text(), QStringLiteral("0:1:1.0"));
}

TEST(Stopwatch, ButtonCyclesThroughItsCaptions)
{
    EXPECT_EQ(Stopwatch::stepFor(QStringLiteral("START")), Stopwatch::StartStep);
    EXPECT_EQ(Stopwatch::stepFor(QStringLiteral("STOP")), Stopwatch::StopStep);
    EXPECT_EQ(Stopwatch::stepFor(QStringLiteral("RESET")), Stopwatch::ResetStep);
    EXPECT_EQ(Stopwatch::stepFor(QStringLiteral("start")), Stopwatch::NoStep);
    EXPECT_EQ(Stopwatch::captionAfter(Stopwatch::StartStep), QStringLiteral("STOP"));
    EXPECT_EQ(Stopwatch::captionAfter(Stopwatch::StopStep), QStringLiteral("RESET"));
    EXPECT_EQ(Stopwatch::captionAfter(Stopwatch::ResetStep), QStringLiteral("START"));

    EXPECT_EQ(Stopwatch::positionsToClear(0), (std::array<int, 2>{9, 8}));
    EXPECT_EQ(Stopwatch::positionsToClear(1), (std::array<int, 2>{0, 9}));
    EXPECT_EQ(Stopwatch::positionsToClear(2), (std::array<int, 2>{1, 0}));
    EXPECT_EQ(Stopwatch::positionsToClear(99), (std::array<int, 2>{98, 97}));
}

TEST(AnalogClockStopwatch, StartStopResetDriveTheGreenHandsAndLabel)
{
    ClockHost t;
    QPushButton *button = t.child<QPushButton>("cmdTimer");
    const WindowTimer *timer3 = t.child<WindowTimer>("Timer3");
    const WindowTimer *timer6 = t.child<WindowTimer>("Timer6");
    virtualScheduler().setTickCount(500000);

    t.clock().Tbutton();
    EXPECT_EQ(button->text(), QStringLiteral("STOP"));
    EXPECT_TRUE(timer3->isEnabled());
    EXPECT_TRUE(timer6->isEnabled());
    EXPECT_TRUE(t.line("lintsecs")->isVisible());
    EXPECT_TRUE(t.line("linthours")->isVisible());
    EXPECT_TRUE(t.shape("shpCircle4")->isVisible());

    // An hour on: the tick count jumps, the next tick shows it.
    virtualScheduler().setTickCount(500000 + 3725500 - 10);
    ClockHost::advance(10);
    EXPECT_EQ(t.label("lblTimer")->text(), QStringLiteral("1:2:5.50"));
    ClockGeometry geometry;
    geometry.layOut(t.sizeTwips());
    EXPECT_EQ(t.line("linthours")->to(), geometry.point(ClockGeometry::HourHand, 5));
    EXPECT_EQ(t.line("lintmins")->to(), geometry.point(ClockGeometry::MinuteHand, 2));
    EXPECT_EQ(t.line("lintsecs")->to(), geometry.point(ClockGeometry::SecondHand, 5));
    EXPECT_EQ(t.line("lintsecs")->from(), geometry.centre());

    // A press on the button acts at once, before the release.
    QTest::mousePress(button, Qt::LeftButton);
    EXPECT_EQ(button->text(), QStringLiteral("RESET"));
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(button->text(), QStringLiteral("RESET"));
    EXPECT_FALSE(timer3->isEnabled());
    ClockHost::advance(2000);
    EXPECT_EQ(t.label("lblTimer")->text(), QStringLiteral("1:2:5.50")); // frozen
    EXPECT_TRUE(t.line("lintsecs")->isVisible());

    t.clock().Tbutton();
    EXPECT_EQ(button->text(), QStringLiteral("START"));
    EXPECT_EQ(t.label("lblTimer")->text(), QStringLiteral(" "));
    EXPECT_FALSE(t.line("lintsecs")->isVisible());
    EXPECT_FALSE(t.line("lintmins")->isVisible());
    EXPECT_FALSE(t.line("linthours")->isVisible());
    EXPECT_FALSE(t.shape("shpCircle4")->isVisible());

    // A new start measures from zero.
    t.clock().Tbutton();
    ClockHost::advance(1230);
    EXPECT_EQ(t.label("lblTimer")->text(), QStringLiteral("0:0:1.23"));

    // Any other caption does nothing.
    button->setText(QStringLiteral("PAUSE"));
    t.clock().Tbutton();
    EXPECT_EQ(button->text(), QStringLiteral("PAUSE"));
    EXPECT_TRUE(QMetaObject::invokeMethod(&t.clock(), "Tbutton"));
}

TEST(AnalogClockStopwatch, RunningMarkReplacesTheClockMarksUntilReset)
{
    ClockHost t;
    ClockHost::advance(25);
    EXPECT_EQ(markColor(t, 14), QColor(0, 0, 255));

    t.clock().Tbutton();
    ClockHost::advance(150); // the mark's tick reads 14 hundredths
    EXPECT_EQ(markColor(t, 14), QColor(0, 255, 0));
    ClockHost::advance(500); // still drawn over, whatever the clock's ticks
    EXPECT_EQ(markColor(t, 14), QColor(0, 255, 0));

    t.clock().Tbutton(); // stopped
    ClockHost::advance(500);
    EXPECT_EQ(markColor(t, 14), QColor(0, 255, 0));

    t.clock().Tbutton(); // reset: the clock draws its marks again
    ClockHost::advance(25);
    EXPECT_EQ(markColor(t, 14), QColor(0, 0, 255));
    EXPECT_EQ(markColor(t, 15), QColor(255, 255, 0));
}

TEST(AnalogClockStopwatch, NoClockMarkStaysOnTheDialWhileItRunsOrStands)
{
    ClockHost t;
    ClockHost::advance(25);
    EXPECT_EQ(markColor(t, 40), QColor(255, 255, 0));

    t.clock().Tbutton();
    ClockHost::advance(150);
    for (int position = 1; position <= 60; ++position)
        EXPECT_NE(markColor(t, position), QColor(255, 255, 0)) << position;
    EXPECT_EQ(markColor(t, 40), QColor()); // the running mark has not come by
    EXPECT_EQ(markColor(t, 41), QColor());

    t.clock().Tbutton(); // stopped
    ClockHost::advance(500);
    EXPECT_EQ(markColor(t, 40), QColor());

    t.clock().Tbutton(); // reset: they come back
    EXPECT_EQ(markColor(t, 40), QColor(255, 255, 0));
    EXPECT_EQ(markColor(t, 41), QColor(0, 0, 255));
}
