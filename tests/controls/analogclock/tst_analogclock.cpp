// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "analogclock.h"
#include "clockgeometry.h"
#include "clocktesthelpers.h"
#include "oleerror.h"
#include "propertybag.h"
#include "testenvironment.h"
#include "twips.h"
#include "windowtimer.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

using namespace OlvarControls;
using OlvarTest::ClockHost;

namespace {

ClockGeometry geometryOf(const ClockHost &t)
{
    ClockGeometry geometry;
    geometry.layOut(t.sizeTwips());
    return geometry;
}

/* Whether the control shows \a color near the pixel (\a x, \a y). */
bool showsColorNear(AnalogClock &clock, int x, int y, QColor color)
{
    const QImage image = clock.grab().toImage();
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            if (image.pixelColor(x + dx, y + dy) == color)
                return true;
        }
    }
    return false;
}

} // namespace

TEST(AnalogClock, IsPlacedSquareWithItsElementsAndTimers)
{
    ClockHost t;
    EXPECT_EQ(t.clock().typeName(), QStringLiteral("OlvarControls.AnalogClock"));
    // Placed at 4800 x 3600 twips, then squared to the height.
    EXPECT_EQ(t.sizeTwips(), QSize(3600, 3600));
    EXPECT_TRUE(t.clock().isPanelShown());

    for (const char *name : {"shpCircle1", "shpCircle2", "shpCircle3", "shpCircle4"})
        EXPECT_NE(t.shape(name), nullptr) << name;
    for (const char *name : {"linhrs", "linmins", "linsecs", "lintsecs", "lintmins", "linthours"})
        EXPECT_NE(t.line(name), nullptr) << name;
    const QList<QLabel *> numerals = t.clock().findChildren<QLabel *>(QStringLiteral("lblNum"));
    ASSERT_EQ(numerals.size(), 12);
    EXPECT_EQ(numerals.at(11)->property("Index").toInt(), 11);
    EXPECT_EQ(numerals.at(11)->text(), QStringLiteral("12"));

    const struct
    {
        const char *name;
        int interval;
        bool enabled;
    } timers[] = {{"Timer1", 25, true},
                  {"Timer2", 1000, true},
                  {"Timer3", 10, false},
                  {"Timer5", 50, true},
                  {"Timer6", 50, false}};
    for (const auto &timer : timers) {
        const WindowTimer *found = t.child<WindowTimer>(timer.name);
        ASSERT_NE(found, nullptr) << timer.name;
        EXPECT_EQ(found->interval(), timer.interval) << timer.name;
        EXPECT_EQ(found->isEnabled(), timer.enabled) << timer.name;
    }
    EXPECT_FALSE(t.shape("shpCircle3")->isVisible());
    EXPECT_FALSE(t.shape("shpCircle4")->isVisible());
    EXPECT_EQ(t.shape("shpCircle1")->rect(), geometryOf(t).rim());
}

TEST(AnalogClock, ResizeSquaresTheControlAndHidesThePanelBelow3015)
{
    ClockHost t;
    QWidget *txtAlarmTime = t.child<QWidget>("txtAlarmTime");
    t.resizeTwips(1000, 1000);
    EXPECT_EQ(t.sizeTwips(), QSize(1395, 1395));
    EXPECT_FALSE(t.clock().isPanelShown());
    EXPECT_FALSE(txtAlarmTime->isVisible());
    EXPECT_FALSE(t.box("chkS")->isVisible());

    t.resizeTwips(3000, 4005);
    EXPECT_EQ(t.sizeTwips(), QSize(4005, 4005));
    EXPECT_TRUE(t.clock().isPanelShown());
    EXPECT_TRUE(txtAlarmTime->isVisible());
    EXPECT_TRUE(t.label("lblTimer")->isVisible());

    // Just below and at the boundary.
    t.resizeTwips(3000, 3000);
    EXPECT_FALSE(t.clock().isPanelShown());
    t.resizeTwips(3015, 3015);
    EXPECT_TRUE(t.clock().isPanelShown());

    // The panel follows the new size; the numerals the new tables.
    EXPECT_EQ(t.box("chkS")->geometry(), Twips::toPixels(QRect(3015 - 140, 3015 - 200, 135, 195)));
    const ClockGeometry geometry = geometryOf(t);
    const QPoint twelve = geometry.numeralPosition(12, 2);
    const QLabel *numeral12 = t.clock().findChildren<QLabel *>(QStringLiteral("lblNum")).at(11);
    EXPECT_EQ(numeral12->pos(), QPoint(qRound(twelve.x() / 15.0), qRound(twelve.y() / 15.0)));
}

TEST(AnalogClock, ClicksOnTheSurfaceToggleThePanel)
{
    ClockHost t;
    t.clickSurface();
    EXPECT_FALSE(t.clock().isPanelShown());
    EXPECT_FALSE(t.child<QWidget>("cmdTimer")->isVisible());
    EXPECT_FALSE(t.label("Label1")->isVisible());
    t.clickSurface();
    EXPECT_TRUE(t.clock().isPanelShown());
    EXPECT_TRUE(t.child<QWidget>("cmdTimer")->isVisible());
    EXPECT_TRUE(t.label("Label1")->isVisible());

    // A click on one of the panel's labels is the label's, not the surface's.
    QTest::mouseClick(t.label("Label1"), Qt::LeftButton);
    EXPECT_TRUE(t.clock().isPanelShown());
}

TEST(AnalogClock, HandsPointAtTheTableEntriesOfTheTime)
{
    ClockHost t;
    const ClockGeometry geometry = geometryOf(t);
    // Until the first tick the hands have no length.
    EXPECT_EQ(t.line("linsecs")->from(), t.line("linsecs")->to());

    ClockHost::setTime(QTime(9, 45, 30));
    ClockHost::advance(25);
    EXPECT_EQ(t.line("linhrs")->from(), geometry.centre());
    EXPECT_EQ(t.line("linhrs")->to(), geometry.point(ClockGeometry::HourHand, 49));
    EXPECT_EQ(t.line("linmins")->to(), geometry.point(ClockGeometry::MinuteHand, 45));
    EXPECT_EQ(t.line("linsecs")->to(), geometry.point(ClockGeometry::SecondHand, 30));

    // Afternoon hours go round the dial a second time.
    ClockHost::setTime(QTime(15, 6, 0));
    ClockHost::advance(25);
    EXPECT_EQ(t.line("linhrs")->to(), geometry.point(ClockGeometry::HourHand, 16));
    EXPECT_EQ(t.line("linmins")->to(), geometry.point(ClockGeometry::MinuteHand, 6));
    EXPECT_EQ(t.line("linsecs")->to(), geometry.point(ClockGeometry::SecondHand, 0));
}

TEST(AnalogClock, TickMarksAreDrawnYellowEveryFifthAndBlueBetween)
{
    ClockHost t;
    ClockHost::advance(25);
    const ClockGeometry geometry = geometryOf(t);
    const auto middle = [&geometry](int index) {
        const QPoint inner = geometry.point(ClockGeometry::TickInner, index);
        const QPoint outer = geometry.point(ClockGeometry::TickOuter, index);
        return (inner + outer) / 30; // the middle, in pixels
    };
    const QPoint three = middle(15);
    const QPoint fourteen = middle(14);
    EXPECT_TRUE(showsColorNear(t.clock(), three.x(), three.y(), QColor(255, 255, 0)));
    EXPECT_TRUE(showsColorNear(t.clock(), fourteen.x(), fourteen.y(), QColor(0, 0, 255)));
}

TEST(AnalogClock, AppearancePropertiesPersistUnderTheirKeys)
{
    ClockHost t;
    PropertyBag bag;
    t.clock().WriteProperties(bag);
    EXPECT_TRUE(bag.keys().isEmpty()); // all at their defaults

    t.clock().setBackColor(OleColor(0x00FF00));
    t.clock().setBackStyle(0);
    t.clock().setBorderStyle(1);
    t.clock().WriteProperties(bag);
    EXPECT_EQ(bag.keys(),
              (QStringList{QStringLiteral("BackColor"), QStringLiteral("BackStyle"), QStringLiteral("BorderStyle")}));

    ClockHost restored;
    restored.clock().ReadProperties(bag);
    EXPECT_EQ(restored.clock().backColor(), OleColor(0x00FF00));
    EXPECT_EQ(restored.clock().backStyle(), 0);
    EXPECT_EQ(restored.clock().borderStyle(), 1);

    // Missing keys read as the defaults, and so do styles the setters refuse.
    PropertyBag odd;
    odd.WriteProperty(QStringLiteral("BackStyle"), 7);
    odd.WriteProperty(QStringLiteral("BorderStyle"), -1);
    restored.clock().ReadProperties(odd);
    EXPECT_EQ(restored.clock().backStyle(), 1);
    EXPECT_EQ(restored.clock().borderStyle(), 0);
    restored.clock().ReadProperties(PropertyBag());
    EXPECT_EQ(restored.clock().backColor(), OleColor(0x8000000F));
    EXPECT_EQ(restored.clock().backStyle(), 1);
    EXPECT_EQ(restored.clock().borderStyle(), 0);
    try {
        restored.clock().setBorderStyle(2);
        ADD_FAILURE() << "no error";
    } catch (const OleError &error) {
        EXPECT_EQ(error.number(), 380);
    }
    EXPECT_EQ(restored.clock().borderStyle(), 0);
    EXPECT_TRUE(restored.clock().setProperty("BackStyle", 0));
    EXPECT_EQ(restored.clock().backStyle(), 0);
}
