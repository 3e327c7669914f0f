// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "basapi.h"
#include "gdisurface.h"
#include "surfacetesthelpers.h"

#include <gtest/gtest.h>

using namespace OlvarControls;
using OlvarTest::pixelsOf;
using OlvarTest::rectPixels;

namespace {

using namespace OlvarTest::Colours;

void drawRow(GdiSurface &surface, int y)
{
    surface.MoveToEx(0, y);
    surface.LineTo(surface.size().width(), y);
}

} // namespace

TEST(BasApi, ThePenPairSelectsAPenAndPutsTheOldOneBack)
{
    GdiSurface surface(QSize(8, 4));
    const GdiPen owner = surface.currentPen();
    BasApi::SelectPen(surface, Gdi::PS_SOLID, 1, Grey);
    EXPECT_EQ(surface.currentPen(), BasApi::routinePen());
    EXPECT_EQ(BasApi::rememberedPen(), owner);
    drawRow(surface, 1);
    EXPECT_EQ(pixelsOf(surface, Grey), rectPixels(0, 1, 8, 2));

    BasApi::RestorePen(surface);
    EXPECT_EQ(surface.currentPen(), owner);
    EXPECT_EQ(surface.liveObjectCount(), 0) << "the routine's pen is deleted";
    drawRow(surface, 2);
    EXPECT_EQ(pixelsOf(surface, OleColor::fromOle(0x000000)), rectPixels(0, 2, 8, 3));
}

TEST(BasApi, ASecondSelectBeforeTheRestoreLosesTheFirstRememberedPen)
{
    GdiSurface surface(QSize(8, 4));
    const GdiPen owner = surface.currentPen();
    BasApi::SelectPen(surface, Gdi::PS_SOLID, 1, Grey);
    const GdiPen first = BasApi::routinePen();
    BasApi::SelectPen(surface, Gdi::PS_SOLID, 1, Red);
    EXPECT_EQ(BasApi::rememberedPen(), first);

    BasApi::RestorePen(surface);
    EXPECT_EQ(surface.currentPen(), first) << "the owner's pen is not restored";
    EXPECT_NE(surface.currentPen(), owner);
    EXPECT_EQ(surface.liveObjectCount(), 1) << "the first routine pen is never deleted";
    drawRow(surface, 0);
    EXPECT_EQ(pixelsOf(surface, Grey), rectPixels(0, 0, 8, 1));

    surface.SelectObject(owner);
    EXPECT_TRUE(surface.DeleteObject(first));
}

TEST(BasApi, ThePenPairIsSharedByAllSurfacesOfAThread)
{
    GdiSurface a(QSize(2, 2));
    GdiSurface b(QSize(2, 2));
    BasApi::SelectPen(a, Gdi::PS_SOLID, 1, Grey);
    BasApi::SelectPen(b, Gdi::PS_DOT, 1, Red);
    BasApi::RestorePen(b);
    EXPECT_TRUE(b.currentPen().isOwnerPen());
    EXPECT_EQ(b.liveObjectCount(), 0);
    BasApi::RestorePen(a);
    EXPECT_TRUE(a.currentPen().isOwnerPen());
    EXPECT_EQ(a.liveObjectCount(), 1) << "the pair held b's pen, so a's pen is never deleted";

    OlvarTest::expectOleError(ErrorNumber::Overflow, [&] { BasApi::SelectPen(a, Gdi::PS_SOLID, 40000, Red); });
}
