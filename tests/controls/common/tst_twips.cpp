// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "surfacetesthelpers.h"
#include "twips.h"

#include <gtest/gtest.h>

using namespace OlvarControls;

TEST(Twips, ConvertAtFifteenTwipsPerPixelRoundingToTheNearest)
{
    EXPECT_EQ(Twips::fromPixels(16), 240);
    EXPECT_EQ(Twips::toPixels(240), 16);
    EXPECT_EQ(Twips::toPixels(7), 0);
    EXPECT_EQ(Twips::toPixels(8), 1);
    EXPECT_EQ(Twips::toPixels(-8), -1);
    EXPECT_EQ(Twips::toPixels(1515), 101);
    EXPECT_EQ(Twips::toPixels(QRect(90, 1770, 2700, 330)), QRect(6, 118, 180, 22));
    EXPECT_EQ(Twips::fromPixels(QSize(16, 400)), QSize(240, 6000));
    EXPECT_EQ(Twips::toPixels(std::numeric_limits<int>::max()), 143165576);
    OlvarTest::expectOleError(ErrorNumber::Overflow, [] { Twips::fromPixels(200000000); });
}
