// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The main window's resize rules, in twips.

#include "demolayout.h"

#include <gtest/gtest.h>

using Sessara::DemoLayout;
using Sessara::MainWindowGeometry;
using Sessara::PanelGeometry;

namespace {

// A window as designed: a 360-twip name line, the views under it and a panel 3600 twips wide.
MainWindowGeometry designed()
{
    MainWindowGeometry g;
    g.counsellorLabel = QRect(0, 600, 8000, 360);
    g.dayView = QRect(0, 960, 8000, 6000);
    g.weekView = QRect(0, 960, 8000, 6000);
    g.panel = QRect(8000, 600, 3600, 6360);
    return g;
}

PanelGeometry designedPanel()
{
    PanelGeometry g;
    g.bookingDetailsLabel = QRect(50, 40, 3000, 300);
    g.additionalOptionsLabel = QRect(120, 4000, 3000, 300);
    g.listBar = QRect(0, 4400, 3500, 1500);
    g.copyrightLabel = QRect(0, 6000, 3500, 240);
    return g;
}

} // namespace

TEST(DemoLayout, TheViewsFillTheWindowLeftOfThePanelUnderTheToolbarAndTheName)
{
    const MainWindowGeometry g = DemoLayout::arrangeWindow(designed(), 15000, 9000, 420);
    // The name line: under the toolbar, as wide as the views.
    EXPECT_EQ(g.counsellorLabel, QRect(0, 420, 15000 - 3600 - 100, 360));
    // The day view: from the name line down to the bottom, the panel and margin to its right.
    EXPECT_EQ(g.dayView, QRect(0, 780, 11300, 9000 - 780));
    // The week view takes the day view's size but keeps its own place.
    EXPECT_EQ(g.weekView, QRect(0, 960, 11300, 8220));
    // The panel: under the toolbar, right of the views, as high as name line and views together.
    EXPECT_EQ(g.panel, QRect(11300, 420, 3600, 8220 + 360));
}

TEST(DemoLayout, AWindowTooNarrowForThePanelLeavesTheViewsWhereTheyWere)
{
    for (const int width : {3700, 3600, 1000}) {
        const MainWindowGeometry g = DemoLayout::arrangeWindow(designed(), width, 9000, 420);
        EXPECT_EQ(g.counsellorLabel, designed().counsellorLabel) << width;
        EXPECT_EQ(g.dayView, designed().dayView) << width;
        EXPECT_EQ(g.panel, designed().panel) << width;
        EXPECT_EQ(g.weekView, designed().dayView) << width; // still follows the day view
    }
    // One twip more than panel and margin is enough.
    EXPECT_EQ(DemoLayout::arrangeWindow(designed(), 3701, 9000, 420).dayView.width(), 1);
}

TEST(DemoLayout, AWindowShorterThanTheToolbarAndNameKeepsTheOldHeights)
{
    const MainWindowGeometry g = DemoLayout::arrangeWindow(designed(), 15000, 500, 420);
    EXPECT_EQ(g.dayView.top(), 780);
    EXPECT_EQ(g.dayView.height(), 6000); // 500 - 780 is refused
    EXPECT_EQ(g.panel.height(), 6000 + 360); // computed from the height kept
    EXPECT_EQ(g.weekView.height(), 6000);
    EXPECT_EQ(g.dayView.width(), 11300); // the widths still follow
}

TEST(DemoLayout, TheNavigationBarFillsThePanelBetweenItsHeadingAndTheCopyright)
{
    const PanelGeometry g = DemoLayout::arrangePanel(designedPanel(), 3600, 8000);
    EXPECT_EQ(g.bookingDetailsLabel, QRect(0, 0, 3500, 300));
    EXPECT_EQ(g.copyrightLabel, QRect(0, 8000 - 240, 3590, 240));
    EXPECT_EQ(g.additionalOptionsLabel, QRect(0, 4000, 3500, 300)); // keeps its top
    EXPECT_EQ(g.listBar, QRect(0, 4301, 3500, 7760 - 4300));
}

TEST(DemoLayout, APanelTooShortLeavesTheNavigationBarAlone)
{
    // The copyright line would start at or above the end of "Additional Options".
    for (const int height : {4540, 4000, 100}) {
        const PanelGeometry g = DemoLayout::arrangePanel(designedPanel(), 3600, height);
        EXPECT_EQ(g.listBar, designedPanel().listBar) << height;
        EXPECT_EQ(g.copyrightLabel.top(), height - 240) << height;
    }
    EXPECT_EQ(DemoLayout::arrangePanel(designedPanel(), 3600, 4541).listBar, QRect(0, 4301, 3500, 1));
    // A panel narrower than the margin keeps the old widths.
    const PanelGeometry narrow = DemoLayout::arrangePanel(designedPanel(), 50, 8000);
    EXPECT_EQ(narrow.bookingDetailsLabel.width(), 3000);
    EXPECT_EQ(narrow.copyrightLabel.width(), 40);
}
