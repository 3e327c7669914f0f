// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "infotiplayout.h"

#include <gtest/gtest.h>

using namespace OlvarControls;

namespace {

InfoTipLayout layoutOf(QSize text, int padding = 5, bool showTitle = false, int titleHeight = 0, int titleWidth = 0)
{
    InfoTipLayout::Measures m;
    m.textSize = text;
    m.padding = padding;
    m.showTitle = showTitle;
    m.titleHeight = titleHeight;
    m.titleWidth = titleWidth;
    return InfoTipLayout(m);
}

const QRect Screen(0, 0, 1920, 1080);

} // namespace

TEST(InfoTipLayout, BodyIsTheTextPlusThePaddingAndTheTitleWhenShown)
{
    EXPECT_EQ(layoutOf(QSize(100, 26)).bodySize(), QSize(110, 31));
    EXPECT_EQ(layoutOf(QSize(100, 26), 5, true, 13).bodySize(), QSize(110, 49));
    // Nothing to show: 2P by P, plus the title part when there is one.
    EXPECT_EQ(layoutOf(QSize(0, 0)).bodySize(), QSize(10, 5));
    EXPECT_EQ(layoutOf(QSize(0, 0), 5, true, 13).bodySize(), QSize(10, 23));
    EXPECT_EQ(layoutOf(QSize(0, 0), 0).bodySize(), QSize(0, 0));
    // A hidden title counts for nothing, whatever was measured.
    EXPECT_EQ(layoutOf(QSize(40, 13), 5, false, 13, 300).bodySize(), QSize(50, 18));
}

TEST(InfoTipLayout, AWiderTitleWidensTheBodySoItIsNotCut)
{
    EXPECT_EQ(layoutOf(QSize(40, 13), 5, true, 13, 90).bodySize(), QSize(100, 36));
    EXPECT_EQ(layoutOf(QSize(0, 0), 5, true, 13, 60).bodySize(), QSize(70, 23));
    EXPECT_EQ(layoutOf(QSize(40, 13), 5, true, 13, 20).bodySize(), QSize(50, 36));
}

TEST(InfoTipLayout, WindowAddsTheShadowMarginOnlyWithADropShadow)
{
    const InfoTipLayout layout = layoutOf(QSize(100, 26));
    EXPECT_EQ(layout.windowSize(true), QSize(114, 35));
    EXPECT_EQ(layout.windowSize(false), QSize(110, 31));
}

TEST(InfoTipLayout, TipGoesBelowThePointerAndStaysOnTheScreen)
{
    const InfoTipLayout layout = layoutOf(QSize(100, 26)); // body 110 x 31
    EXPECT_EQ(layout.position(QPoint(300, 200), Screen), QPoint(300, 222));
    // Exactly touching the right and bottom edges still fits.
    EXPECT_EQ(layout.position(QPoint(1810, 1027), Screen), QPoint(1810, 1049));
    // One pixel beyond the right edge: P pixels inside it.
    EXPECT_EQ(layout.position(QPoint(1811, 200), Screen), QPoint(1920 - 110 - 5, 222));
    // Ten pixels from the right edge.
    EXPECT_EQ(layout.position(QPoint(1910, 200), Screen), QPoint(1805, 222));
    // Near the bottom: above the pointer, its bottom P pixels above it.
    EXPECT_EQ(layout.position(QPoint(300, 1028), Screen), QPoint(300, 1028 - 5 - 31));
    // Bottom-right corner: both moves at once.
    EXPECT_EQ(layout.position(QPoint(1919, 1079), Screen), QPoint(1805, 1043));
}

TEST(InfoTipLayout, PositionFollowsTheScreenUnderThePointer)
{
    const InfoTipLayout layout = layoutOf(QSize(100, 26));
    const QRect second(1920, -200, 1280, 1024);
    EXPECT_EQ(layout.position(QPoint(2000, -100), second), QPoint(2000, -78));
    EXPECT_EQ(layout.position(QPoint(3195, 800), second), QPoint(3200 - 115, 800 - 36));
}

TEST(InfoTipLayout, TipLargerThanTheRoomKeepsItsCornerOnTheScreen)
{
    const QRect small(0, 0, 200, 100);
    const InfoTipLayout wide = layoutOf(QSize(400, 26)); // 410 x 31
    EXPECT_EQ(wide.position(QPoint(50, 10), small), QPoint(0, 32));
    const InfoTipLayout tall = layoutOf(QSize(50, 300)); // 60 x 305
    EXPECT_EQ(tall.position(QPoint(20, 50), small), QPoint(20, 0));
}

TEST(InfoTipLayout, ContentTitleSeparatorAndTextRectangles)
{
    const InfoTipLayout plain = layoutOf(QSize(100, 26));
    EXPECT_EQ(plain.contentRect(), (GdiRect{5, 2, 105, 29}));
    EXPECT_EQ(plain.textRect(), plain.contentRect());

    const InfoTipLayout titled = layoutOf(QSize(100, 26), 5, true, 13); // 110 x 49
    EXPECT_EQ(titled.contentRect(), (GdiRect{5, 2, 105, 47}));
    EXPECT_EQ(titled.separatorY(), 2 + 13 + 2);
    EXPECT_EQ(titled.textRect(), (GdiRect{5, 19, 105, 47}));

    // An odd half padding rounds to even: 7 / 2 = 4, 3 / 2 = 2, 1 / 2 = 0.
    const InfoTipLayout seven = layoutOf(QSize(10, 10), 7, true, 10); // 24 x 34
    EXPECT_EQ(seven.contentRect(), (GdiRect{7, 4, 17, 30}));
    EXPECT_EQ(seven.separatorY(), 18);
    EXPECT_EQ(seven.textRect().top, 22);
}

TEST(InfoTipLayout, HalfRoundsToEven)
{
    const int values[] = {0, 1, 2, 3, 4, 5, 6, 7, 9, 11, -1, -3};
    const int halves[] = {0, 0, 1, 2, 2, 2, 3, 4, 4, 6, 0, -2};
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(InfoTipLayout::halfOf(values[i]), halves[i]) << values[i];
}

TEST(InfoTipLayout, NegativePaddingCountsAsNone)
{
    const InfoTipLayout layout = layoutOf(QSize(30, 13), -4);
    EXPECT_EQ(layout.bodySize(), QSize(30, 13));
    EXPECT_EQ(layout.contentRect(), (GdiRect{0, 0, 30, 13}));
}

TEST(InfoTipLayout, TabsBecomeSpacesInTheTextAndVanishFromTheTitle)
{
    EXPECT_EQ(InfoTipLayout::expandTabs(QStringLiteral("a\tb\t"), 8), QStringLiteral("a        b        "));
    EXPECT_EQ(InfoTipLayout::expandTabs(QStringLiteral("a\tb"), 2), QStringLiteral("a  b"));
    EXPECT_EQ(InfoTipLayout::expandTabs(QStringLiteral("a\tb"), 0), QStringLiteral("ab"));
    EXPECT_EQ(InfoTipLayout::expandTabs(QStringLiteral("a\tb"), -3), QStringLiteral("ab"));
    EXPECT_EQ(InfoTipLayout::removeTabs(QStringLiteral("\tTi\ttle\t")), QStringLiteral("Title"));
    EXPECT_EQ(InfoTipLayout::removeTabs(QString()), QString());
}
