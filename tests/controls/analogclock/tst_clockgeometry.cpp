// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "clockgeometry.h"
#include "clockpanellayout.h"
#include "dialmarks.h"

#include <gtest/gtest.h>

using namespace OlvarControls;

namespace {

ClockGeometry laidOut(int side)
{
    ClockGeometry geometry;
    geometry.layOut(QSize(side, side));
    return geometry;
}

} // namespace

TEST(ClockGeometry, DialShapesFollowTheClientSize)
{
    const ClockGeometry geometry = laidOut(3000);
    EXPECT_EQ(geometry.centre(), QPoint(1500, 1500));
    EXPECT_EQ(geometry.radius(), 1200);
    EXPECT_EQ(geometry.rim(), QRectF(300, 300, 2400, 2400));
    EXPECT_EQ(geometry.hub(), QRectF(1372.5, 1372.5, 255, 255));
    EXPECT_EQ(geometry.ring(), QRectF(540, 540, 1920, 1920));

    // A centre half-way between two twips rounds to the even one.
    const ClockGeometry odd = laidOut(4005);
    EXPECT_EQ(odd.centre(), QPoint(2002, 2002));
    EXPECT_EQ(odd.radius(), 1602);
    EXPECT_DOUBLE_EQ(odd.rim().left(), 400.5);
    EXPECT_DOUBLE_EQ(odd.rim().top(), 400);
}

TEST(ClockGeometry, PointTablesRunClockwiseFromTwelve)
{
    const ClockGeometry geometry = laidOut(3000);
    // The hands' tables at twelve, three, six and nine o'clock and between.
    EXPECT_EQ(geometry.point(ClockGeometry::SecondHand, 60), QPoint(1500, 660));
    EXPECT_EQ(geometry.point(ClockGeometry::SecondHand, 0), QPoint(1501, 660)); // a step short of a full turn
    EXPECT_EQ(geometry.point(ClockGeometry::SecondHand, 15), QPoint(2340, 1501));
    EXPECT_EQ(geometry.point(ClockGeometry::SecondHand, 30), QPoint(1500, 2340));
    EXPECT_EQ(geometry.point(ClockGeometry::SecondHand, 45), QPoint(660, 1500));
    EXPECT_EQ(geometry.point(ClockGeometry::MinuteHand, 5), QPoint(1861, 877));
    EXPECT_EQ(geometry.point(ClockGeometry::HourHand, 49), QPoint(1007, 1280));
    EXPECT_EQ(geometry.point(ClockGeometry::HourHand, 16), QPoint(2037, 1557));
    EXPECT_EQ(geometry.point(ClockGeometry::TickOuter, 39), QPoint(723, 2064));
    EXPECT_EQ(geometry.point(ClockGeometry::TickOuter, 30), QPoint(1499, 2460));
    EXPECT_EQ(geometry.point(ClockGeometry::Numeral, 45), QPoint(420, 1500));
    EXPECT_EQ(geometry.point(ClockGeometry::TickInner, 45), geometry.point(ClockGeometry::SecondHand, 45));

    // Numerals sit at every fifth point, offset by their caption's length.
    EXPECT_EQ(geometry.numeralPosition(1, 1), QPoint(2041 - 3, 565 - 7));
    EXPECT_EQ(geometry.numeralPosition(12, 2), QPoint(1500 - 6, 420 - 7));

    // Indexes off the table read as the origin rather than past the end.
    EXPECT_EQ(geometry.point(ClockGeometry::HourHand, 61), QPoint());
    EXPECT_EQ(geometry.point(ClockGeometry::HourHand, -1), QPoint());
    EXPECT_EQ(ClockGeometry().point(ClockGeometry::Numeral, 30), QPoint()); // before the first layout
}

TEST(ClockGeometry, HourHandIndexRoundsHalfToEven)
{
    EXPECT_EQ(ClockGeometry::hourIndex(9, 45), 49); // 48.75
    EXPECT_EQ(ClockGeometry::hourIndex(3, 6), 16); // 15.5
    EXPECT_EQ(ClockGeometry::hourIndex(3, 30), 18); // 17.5
    EXPECT_EQ(ClockGeometry::hourIndex(0, 0), 0);
    EXPECT_EQ(ClockGeometry::hourIndex(11, 59), 60); // still on the table
}

TEST(ClockPanelLayout, ElementsHugTheEdgesAndShowFrom3015)
{
    EXPECT_FALSE(ClockPanelLayout::showsPanel(3014));
    EXPECT_TRUE(ClockPanelLayout::showsPanel(3015));
    EXPECT_EQ(ClockPanelLayout::elementNames().size(), 12);

    const QHash<QString, QRect> at = ClockPanelLayout::layOut(QSize(4000, 4000));
    EXPECT_EQ(at.value(QStringLiteral("Label1")), QRect(0, 0, 1095, 255));
    EXPECT_EQ(at.value(QStringLiteral("txtAlarmTime")), QRect(0, 240, 495, 315));
    EXPECT_EQ(at.value(QStringLiteral("lblOnOff")), QRect(3025, 0, 975, 255));
    EXPECT_EQ(at.value(QStringLiteral("chkOnOff")), QRect(3745, 255, 255, 255));
    EXPECT_EQ(at.value(QStringLiteral("lblTimer")), QRect(0, 3740, 1215, 255));
    EXPECT_EQ(at.value(QStringLiteral("cmdTimer")), QRect(0, 3425, 735, 315));
    EXPECT_EQ(at.value(QStringLiteral("Label2")), QRect(0, 3170, 495, 255));
    EXPECT_EQ(at.value(QStringLiteral("chkS")), QRect(3860, 3800, 135, 195));
    EXPECT_EQ(at.value(QStringLiteral("chkM")), QRect(3715, 3800, 135, 195));
    EXPECT_EQ(at.value(QStringLiteral("chkH")), QRect(3570, 3800, 135, 195));
    EXPECT_EQ(at.value(QStringLiteral("lblHMS")), QRect(3570, 3545, 735, 255));
    EXPECT_EQ(at.value(QStringLiteral("lblChimes")), QRect(3270, 3170, 735, 255));
}

TEST(DialMarks, ClockMarksAndRunningMarksStayUntilDrawnOver)
{
    DialMarks marks;
    EXPECT_FALSE(marks.colorAt(5).has_value());
    marks.drawClockMarks();
    EXPECT_FALSE(marks.colorAt(0).has_value()); // 0 and 60 are the same place; 60 is drawn
    for (int position = 1; position <= 60; ++position)
        EXPECT_EQ(marks.colorAt(position), position % 5 == 0 ? DialMarks::Yellow : DialMarks::Blue) << position;

    marks.drawMark(7, DialMarks::Green);
    marks.drawMark(61, DialMarks::Green); // off the dial
    marks.drawMark(-1, DialMarks::Green);
    EXPECT_EQ(marks.colorAt(7), DialMarks::Green);
    EXPECT_FALSE(marks.colorAt(61).has_value());
    marks.clear();
    EXPECT_FALSE(marks.colorAt(7).has_value());
}
