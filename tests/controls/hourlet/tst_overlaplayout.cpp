// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "overlaplayout.h"

#include <gtest/gtest.h>

using namespace OlvarControls;

namespace {

using Placement = OverlapLayout::Placement;

QList<Placement> place(std::initializer_list<std::pair<int, int>> ranges)
{
    QList<OverlapLayout::Range> list;
    for (const auto &range : ranges)
        list.append({range.first, range.second});
    return OverlapLayout::place(list);
}

} // namespace

TEST(OverlapLayout, SeparateAndTouchingItemsKeepTheWholeWidth)
{
    const QList<Placement> placed = place({{0, 10}, {10, 20}, {30, 40}});
    for (const Placement &p : placed)
        EXPECT_EQ(p, (Placement{0, 1, 1}));
}

TEST(OverlapLayout, NestedItemsShareTheWidthAndTheShortOnesDoNotWiden)
{
    // 9:00-12:00 holds 9:30-10:00 and 10:30-11:00: two columns, the inner ones in the second.
    const QList<Placement> placed = place({{0, 6}, {1, 2}, {3, 4}});
    EXPECT_EQ(placed[0], (Placement{0, 1, 2}));
    EXPECT_EQ(placed[1], (Placement{1, 1, 2}));
    EXPECT_EQ(placed[2], (Placement{1, 1, 2}));
}

TEST(OverlapLayout, AChainFormsOneClusterAndFreeColumnsToTheRightAreTaken)
{
    // a overlaps b, b overlaps c, a and c do not touch; d overlaps c only.
    const QList<Placement> placed = place({{0, 4}, {2, 6}, {5, 9}, {7, 10}});
    EXPECT_EQ(placed[0], (Placement{0, 1, 2}));
    EXPECT_EQ(placed[1], (Placement{1, 1, 2}));
    EXPECT_EQ(placed[2], (Placement{0, 1, 2})); // reuses column 0 once a has ended
    EXPECT_EQ(placed[3], (Placement{1, 1, 2}));

    // Three columns where one item overlaps only the first: it widens over the free two.
    const QList<Placement> wide = place({{0, 10}, {0, 4}, {0, 4}, {5, 9}});
    EXPECT_EQ(wide[0], (Placement{0, 1, 3}));
    EXPECT_EQ(wide[1], (Placement{1, 1, 3}));
    EXPECT_EQ(wide[2], (Placement{2, 1, 3}));
    EXPECT_EQ(wide[3], (Placement{1, 2, 3}));
}

TEST(OverlapLayout, IdenticalTimesGoLeftToRightInTheOrderGiven)
{
    const QList<Placement> placed = place({{4, 8}, {4, 8}, {4, 8}});
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(placed[i], (Placement{i, 1, 3}));
    // At the same start the longer goes first.
    const QList<Placement> longer = place({{4, 6}, {4, 8}});
    EXPECT_EQ(longer[1].column, 0);
    EXPECT_EQ(longer[0].column, 1);
}

TEST(OverlapLayout, FiftyAtOnceGetFiftyColumnsThatTileTheWidth)
{
    QList<OverlapLayout::Range> ranges;
    for (int i = 0; i < 50; ++i)
        ranges.append({100, 200});
    const QList<Placement> placed = OverlapLayout::place(ranges);
    int expectedLeft = 66;
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(placed[i], (Placement{i, 1, 50}));
        const auto [left, right] = OverlapLayout::horizontalExtent(placed[i], 66, 766);
        EXPECT_EQ(left, expectedLeft);
        EXPECT_EQ(right, 66 + 14 * (i + 1));
        expectedLeft = right;
    }
}

TEST(OverlapLayout, AReversedRangeIsTakenFromItsSmallerEnd)
{
    const QList<Placement> placed = place({{10, 0}, {5, 15}});
    EXPECT_EQ(placed[0], (Placement{0, 1, 2}));
    EXPECT_EQ(placed[1], (Placement{1, 1, 2}));
    EXPECT_TRUE(OverlapLayout::place({}).isEmpty());
}
