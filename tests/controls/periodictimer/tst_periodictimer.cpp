// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "controlfactory.h"
#include "msgbox.h"
#include "oleerror.h"
#include "periodiccountdown.h"
#include "periodictimer.h"
#include "propertybag.h"
#include "testenvironment.h"
#include "windowtimer.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace OlvarControls;
using OlvarTest::messageBoxes;
using OlvarTest::virtualScheduler;

namespace {

constexpr qint64 Minute = 60000;

/* A periodic timer placed on a host, with the moments (ms from the start) it fired at. */
class TimerHost
{
public:
    TimerHost()
    {
        control.reset(qobject_cast<PeriodicTimer *>(
            ControlFactory::create(QStringLiteral("OlvarControls.PeriodicTimer"), &host)));
        QObject::connect(control.get(), &PeriodicTimer::Timer,
                         [this] { fired.push_back(virtualScheduler().elapsed()); });
    }

    /*! Sets the period in the order a host's form sets it; the last change arms. */
    void setPeriod(qint16 hours, qint16 minutes, qint32 ms)
    {
        control->setHourInterval(hours);
        control->setMinuteInterval(minutes);
        control->setInterval(ms);
    }

    WindowTimer *timer1() const { return control->findChild<WindowTimer *>(QStringLiteral("Timer1")); }

    QWidget host;
    std::unique_ptr<PeriodicTimer> control;
    std::vector<qint64> fired;
};

void expectInvalidPropertyValueBox()
{
    EXPECT_EQ(
        messageBoxes().last(),
        (MessageBoxRequest{QStringLiteral("Invalid property value"), MsgBox::OkOnly, QStringLiteral("OlvarControls")}));
}

struct PeriodRow
{
    qint16 hours;
    qint16 minutes;
    qint32 ms;
    qint64 firesAfter; // -1: never
};

void PrintTo(const PeriodRow &row, std::ostream *os)
{
    *os << row.hours << " h " << row.minutes << " min " << row.ms << " ms";
}

class PeriodTable : public testing::TestWithParam<PeriodRow>
{
};

} // namespace

TEST(PeriodicTimer, IsCreatedByTypeNameWithItsWindowTimerAndFixedSize)
{
    TimerHost t;
    ASSERT_NE(t.control, nullptr);
    EXPECT_EQ(t.control->typeName(), QStringLiteral("OlvarControls.PeriodicTimer"));
    ASSERT_NE(t.timer1(), nullptr);
    EXPECT_FALSE(t.timer1()->isActive());

    // 355 x 335 twips, whatever a host asks for.
    EXPECT_EQ(PeriodicTimer::fixedPixelSize(), QSize(24, 22));
    t.control->resize(200, 100);
    EXPECT_EQ(t.control->size(), QSize(24, 22));
    EXPECT_FALSE(t.control->grab().toImage().isNull());

    // Properties and the mode enumeration are reached by name.
    EXPECT_TRUE(t.control->setProperty("TimerMode", 1));
    EXPECT_EQ(t.control->timerMode(), PeriodicTimer::OneTime);
    EXPECT_TRUE(t.control->setProperty("MinuteInterval", 5));
    EXPECT_EQ(t.control->property("MinuteInterval").toInt(), 5);
    const QMetaEnum modes = QMetaEnum::fromType<PeriodicTimer::eTimerMode>();
    EXPECT_EQ(modes.keyToValue("Periodic"), 0);
    EXPECT_EQ(modes.keyToValue("OneTime"), 1);
}

TEST_P(PeriodTable, FiresAfterThePeriodAndAgainAfterEachHandler)
{
    const PeriodRow row = GetParam();
    TimerHost t;
    t.setPeriod(row.hours, row.minutes, row.ms);
    if (row.firesAfter < 0) {
        virtualScheduler().advance(int(24 * 60 * Minute));
        EXPECT_TRUE(t.fired.empty());
        EXPECT_FALSE(t.timer1()->isActive());
        return;
    }
    virtualScheduler().advance(int(row.firesAfter - 1));
    EXPECT_TRUE(t.fired.empty());
    virtualScheduler().advance(1);
    virtualScheduler().advance(int(row.firesAfter));
    EXPECT_EQ(t.fired, (std::vector<qint64>{row.firesAfter, 2 * row.firesAfter}));
}

INSTANTIATE_TEST_SUITE_P(
    PeriodicTimer, PeriodTable,
    testing::Values(PeriodRow{0, 0, 500, 1 + 500}, // milliseconds only
                    PeriodRow{0, 0, 1, 1 + 1}, // the shortest period
                    PeriodRow{0, 5, 500, 1 + 500 + 5 * Minute}, // minutes and milliseconds
                    PeriodRow{0, 5, 0, 1 + 5 * Minute}, // minutes only
                    PeriodRow{1, 0, 500, 1 + 2 * 500 + 59 * Minute}, // whole hours and milliseconds
                    PeriodRow{1, 0, 0, 2 + 59 * Minute}, // one hour is 59 minutes and 2 ms
                    PeriodRow{1, 1, 0, 1 + 61 * Minute}, // but one hour and a minute is 61
                    PeriodRow{2, 0, 0, 2 + 119 * Minute}, PeriodRow{0, 0, 0, -1})); // nothing to time

TEST(PeriodicTimer, NextPeriodStartsWhenTheHandlerReturns)
{
    TimerHost t;
    QObject::connect(t.control.get(), &PeriodicTimer::Timer, [] { virtualScheduler().advance(100); });
    t.control->setInterval(500);
    virtualScheduler().advance(2000);
    // The handler's 100 ms are not caught up on.
    EXPECT_EQ(t.fired, (std::vector<qint64>{501, 1102, 1703}));
}

TEST(PeriodicTimer, ReportsAFailingHandlerAndRunsOn)
{
    TimerHost t;
    QObject::connect(t.control.get(), &PeriodicTimer::Timer, [] { throw OleError(ErrorNumber::Overflow); });
    t.control->setInterval(500);
    virtualScheduler().advance(1002);
    EXPECT_EQ(t.fired.size(), 2u);
    EXPECT_EQ(messageBoxes().count(), 2);
    EXPECT_EQ(messageBoxes().last().prompt, QStringLiteral("6\r\nOverflow"));
    EXPECT_EQ(messageBoxes().last().buttons, MsgBox::OkOnly | MsgBox::Critical);
}

TEST(PeriodicTimer, OneTimeFiresOnceUntilArmedAgain)
{
    TimerHost t;
    t.control->setTimerMode(PeriodicTimer::OneTime);
    t.control->setInterval(1000);
    virtualScheduler().advance(10000);
    EXPECT_EQ(t.fired, (std::vector<qint64>{1001}));
    EXPECT_FALSE(t.timer1()->isActive());

    // Any mode assignment, even of the same mode, starts a finished one-time timer again.
    QSignalSpy changes(t.control.get(), &ControlBase::PropertyChanged);
    t.control->setTimerMode(PeriodicTimer::OneTime);
    EXPECT_EQ(changes.count(), 0);
    virtualScheduler().advance(5000);
    EXPECT_EQ(t.fired, (std::vector<qint64>{1001, 11001}));

    // Switched to periodic after firing, it runs on.
    t.control->setTimerMode(PeriodicTimer::Periodic);
    EXPECT_EQ(changes.count(), 1);
    virtualScheduler().advance(2002);
    EXPECT_EQ(t.fired, (std::vector<qint64>{1001, 11001, 16001, 17002}));

    // While a one-time period runs, a mode assignment does not restart it.
    t.control->setTimerMode(PeriodicTimer::OneTime);
    virtualScheduler().advance(500);
    t.control->setTimerMode(PeriodicTimer::OneTime);
    virtualScheduler().advance(10000);
    EXPECT_EQ(t.fired.size(), 5u);
    EXPECT_EQ(t.fired.back(), 18003);
}

TEST(PeriodicTimer, DisablingInsideTheHandlerDoesNotStopAPeriodicTimer)
{
    TimerHost t;
    t.control->setInterval(500);
    bool disableOnce = true;
    QObject::connect(t.control.get(), &PeriodicTimer::Timer, [&] {
        if (disableOnce)
            t.control->setTimerEnabled(false);
        disableOnce = false;
    });
    virtualScheduler().advance(1503);
    EXPECT_EQ(t.fired, (std::vector<qint64>{501, 1002, 1503}));
    EXPECT_FALSE(t.control->isTimerEnabled());

    t.control->setTimerEnabled(false); // the same value: nothing happens
    virtualScheduler().advance(501);
    EXPECT_EQ(t.fired.size(), 4u);

    t.control->setTimerEnabled(true);
    t.control->setTimerEnabled(false);
    virtualScheduler().advance(5000);
    EXPECT_EQ(t.fired.size(), 4u);
    EXPECT_FALSE(t.timer1()->isActive());
}

TEST(PeriodicTimer, EveryChangeRestartsThePeriodFromZero)
{
    TimerHost t;
    t.control->setInterval(500);
    virtualScheduler().advance(300);
    t.control->setTimerEnabled(false);
    virtualScheduler().advance(1000);
    EXPECT_TRUE(t.fired.empty());
    t.control->setTimerEnabled(true); // at 1300
    virtualScheduler().advance(400);
    t.control->setInterval(400); // at 1700
    virtualScheduler().advance(1000);
    EXPECT_EQ(t.fired, (std::vector<qint64>{2101, 2502}));
}

TEST(PeriodicTimer, RefusesValuesOutsideTheirRanges)
{
    TimerHost t;
    QSignalSpy changes(t.control.get(), &ControlBase::PropertyChanged);

    t.control->setInterval(60000); // ignored without a word
    EXPECT_EQ(t.control->interval(), 0);
    t.control->setInterval(59999);
    EXPECT_EQ(t.control->interval(), 59999);
    t.control->setMinuteInterval(75);
    EXPECT_EQ(t.control->minuteInterval(), 0);
    t.control->setMinuteInterval(59);
    EXPECT_EQ(messageBoxes().count(), 0);
    EXPECT_EQ(changes.count(), 2);

    // At most 32767 minutes: 546 hours with 7 minutes.
    t.control->setMinuteInterval(7);
    t.control->setHourInterval(546);
    EXPECT_EQ(messageBoxes().count(), 0);
    t.control->setMinuteInterval(8);
    expectInvalidPropertyValueBox();
    EXPECT_EQ(t.control->minuteInterval(), 7);
    t.control->setHourInterval(600);
    EXPECT_EQ(messageBoxes().count(), 2);
    EXPECT_EQ(t.control->hourInterval(), 546);

    // Negative values would time nothing sensible and are refused too.
    t.control->setInterval(-1);
    t.control->setMinuteInterval(-1);
    t.control->setHourInterval(-1);
    EXPECT_EQ(messageBoxes().count(), 5);
    EXPECT_EQ(t.control->interval(), 59999);
    EXPECT_EQ(t.control->minuteInterval(), 7);
    EXPECT_EQ(t.control->hourInterval(), 546);
    EXPECT_EQ(changes.count(), 4);

    // An unknown mode is reported but kept, and times like a periodic one.
    t.control->setHourInterval(0);
    t.control->setMinuteInterval(0);
    t.control->setInterval(100);
    t.control->setTimerMode(PeriodicTimer::eTimerMode(2));
    expectInvalidPropertyValueBox();
    EXPECT_EQ(t.control->timerMode(), 2);
    EXPECT_EQ(changes.takeLast().at(0).toString(), QStringLiteral("TimerMode"));
    virtualScheduler().advance(202);
    EXPECT_EQ(t.fired.size(), 2u);
}

TEST(PeriodicTimer, NotifiesEachChangeOnceByName)
{
    TimerHost t;
    QSignalSpy changes(t.control.get(), &ControlBase::PropertyChanged);
    t.control->setTimerMode(PeriodicTimer::OneTime);
    t.control->setInterval(10);
    t.control->setMinuteInterval(1);
    t.control->setHourInterval(1);
    t.control->setTimerEnabled(false);
    t.control->setInterval(10);
    t.control->setHourInterval(1);
    QStringList names;
    for (const QList<QVariant> &change : changes)
        names << change.at(0).toString();
    EXPECT_EQ(names,
              (QStringList{QStringLiteral("TimerMode"), QStringLiteral("Interval"), QStringLiteral("MinuteInterval"),
                           QStringLiteral("HourInterval"), QStringLiteral("Enabled")}));
}

TEST(PeriodicTimer, NeverStartsAtDesignTime)
{
    TimerHost t;
    ControlBase::setAmbientProperties(&t.host, AmbientProperties{false, QFont()});
    t.setPeriod(0, 1, 500);
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Interval"), 100);
    t.control->ReadProperties(bag);
    virtualScheduler().advance(int(10 * Minute));
    EXPECT_TRUE(t.fired.empty());
    EXPECT_FALSE(t.timer1()->isActive());
}

TEST(PeriodicTimer, NeverRaisesTheMinuteAndHourAlarms)
{
    TimerHost t;
    int alarms = 0;
    QObject::connect(t.control.get(), &PeriodicTimer::MinuteAlarm, [&](qint16) { ++alarms; });
    QObject::connect(t.control.get(), &PeriodicTimer::HourAlarm, [&](qint16) { ++alarms; });
    t.setPeriod(1, 1, 0);
    virtualScheduler().advance(int(3 * 60 * Minute));
    EXPECT_EQ(t.fired.size(), 2u);
    EXPECT_EQ(alarms, 0);
}

TEST(PeriodicTimer, SavesAndLoadsItsFiveKeys)
{
    TimerHost saved;
    PropertyBag bag;
    saved.control->InitProperties();
    saved.control->WriteProperties(bag);
    EXPECT_TRUE(bag.isEmpty()); // every default is left out

    saved.control->setTimerEnabled(false);
    saved.control->setTimerMode(PeriodicTimer::OneTime);
    saved.setPeriod(2, 30, 250);
    saved.control->WriteProperties(bag);
    EXPECT_EQ(bag.keys(),
              (QStringList{QStringLiteral("TimerMode"), QStringLiteral("Interval"), QStringLiteral("MinuteInterval"),
                           QStringLiteral("HourInterval"), QStringLiteral("Enabled")}));

    TimerHost loaded;
    loaded.control->ReadProperties(bag);
    EXPECT_EQ(loaded.control->timerMode(), PeriodicTimer::OneTime);
    EXPECT_EQ(loaded.control->interval(), 250);
    EXPECT_EQ(loaded.control->minuteInterval(), 30);
    EXPECT_EQ(loaded.control->hourInterval(), 2);
    EXPECT_FALSE(loaded.control->isTimerEnabled());
    EXPECT_FALSE(loaded.timer1()->isActive());

    // Loaded enabled in run mode, the timer starts.
    PropertyBag running;
    running.WriteProperty(QStringLiteral("Interval"), 700);
    loaded.control->ReadProperties(running);
    EXPECT_EQ(loaded.control->timerMode(), PeriodicTimer::Periodic);
    virtualScheduler().advance(1402);
    EXPECT_EQ(loaded.fired, (std::vector<qint64>{701, 1402}));
}

TEST(PeriodicTimer, LoadsValuesItWouldRefuseAsTheirDefaults)
{
    TimerHost t;
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Interval"), -5);
    bag.WriteProperty(QStringLiteral("MinuteInterval"), qint16(75));
    bag.WriteProperty(QStringLiteral("HourInterval"), qint16(1000));
    t.control->ReadProperties(bag);
    EXPECT_EQ(t.control->interval(), 0);
    EXPECT_EQ(t.control->minuteInterval(), 0);
    EXPECT_EQ(t.control->hourInterval(), 0);
    EXPECT_FALSE(t.timer1()->isActive());

    bag.WriteProperty(QStringLiteral("Interval"), 70000);
    bag.WriteProperty(QStringLiteral("HourInterval"), qint16(3));
    t.control->ReadProperties(bag);
    EXPECT_EQ(t.control->interval(), 0);
    EXPECT_EQ(t.control->hourInterval(), 3);
    EXPECT_EQ(messageBoxes().count(), 0);
}

TEST(PeriodicCountdown, MovesTheWindowTimerThroughItsPhases)
{
    using Settings = PeriodicCountdown::TimerSettings;
    PeriodicCountdown countdown;
    const PeriodicCountdown::Period period{250, 2, false, true};
    countdown.arm(period, false);
    EXPECT_EQ(countdown.timer(), (Settings{1, true}));
    EXPECT_FALSE(countdown.tick(period));
    EXPECT_TRUE(countdown.millisecondPhaseDone());
    EXPECT_EQ(countdown.timer(), (Settings{250, true}));
    EXPECT_FALSE(countdown.tick(period));
    EXPECT_EQ(countdown.timer(), (Settings{60000, true}));
    EXPECT_EQ(countdown.minutesLeft(), 1);
    EXPECT_FALSE(countdown.tick(period));
    EXPECT_TRUE(countdown.tick(period));
    EXPECT_FALSE(countdown.timer().enabled);

    // After firing, a one-time period stops whatever Enabled says; ticks of a stopped timer are ignored.
    const PeriodicCountdown::Period once{250, 0, true, true};
    countdown.arm(once, true);
    EXPECT_TRUE(countdown.oneShotFinished());
    EXPECT_EQ(countdown.timer(), (Settings{1, false}));
    EXPECT_FALSE(countdown.tick(once));
    countdown.arm({250, 0, false, false}, true);
    EXPECT_EQ(countdown.timer(), (Settings{1, true}));
}
