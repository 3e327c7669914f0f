// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "gdisurface.h"
#include "surfacetesthelpers.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <limits>

using namespace OlvarControls;
using OlvarTest::pixelsOf;
using OlvarTest::rectPixels;

namespace {

using namespace OlvarTest::Colours;
constexpr int IntMin = std::numeric_limits<int>::min();
constexpr int IntMax = std::numeric_limits<int>::max();

QSet<QPoint> lineFrom(GdiSurface &surface, QPoint from, QPoint to)
{
    surface.clear();
    surface.MoveToEx(from.x(), from.y());
    surface.LineTo(to.x(), to.y());
    return pixelsOf(surface, OleColor::fromOle(0x000000));
}

} // namespace

TEST(GdiSurface, FillRectLeavesOutTheRightColumnAndBottomRow)
{
    GdiSurface surface(QSize(10, 10));
    const GdiBrush red = surface.CreateSolidBrush(Red);
    EXPECT_TRUE(surface.FillRect(2, 3, 5, 7, red));
    EXPECT_EQ(pixelsOf(surface, Red), rectPixels(2, 3, 5, 7));

    surface.clear();
    surface.FillRect(5, 5, 5, 9, red); // no width
    surface.FillRect(5, 5, 9, 5, red); // no height
    surface.FillRect(7, 7, 3, 3, red); // inverted
    surface.FillRect(0, 0, -1, 58, red);
    EXPECT_TRUE(pixelsOf(surface, Red).isEmpty());
}

TEST(GdiSurface, FillRectClipsAtTheEdgesWhateverTheCoordinates)
{
    GdiSurface surface(QSize(10, 8));
    surface.fillSolidRect({-5, -5, 3, 2}, Red);
    EXPECT_EQ(pixelsOf(surface, Red), rectPixels(0, 0, 3, 2));
    surface.fillSolidRect({8, 6, 100, 100}, Red);
    EXPECT_EQ(pixelsOf(surface, Red), rectPixels(0, 0, 3, 2) + rectPixels(8, 6, 10, 8));
    surface.fillSolidRect({IntMin, IntMin, IntMax, IntMax}, Blue);
    EXPECT_EQ(pixelsOf(surface, Blue).size(), 80);
    surface.fillSolidRect({IntMax - 1, 0, IntMax, 8}, Red);
    EXPECT_EQ(pixelsOf(surface, Blue).size(), 80);
    EXPECT_EQ(surface.liveObjectCount(), 0);
}

TEST(GdiSurface, SystemColoursComeFromItsPalette)
{
    GdiSurface surface(QSize(4, 4));
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(1, 2, 3));
    surface.setPalette(palette);
    surface.fillSolidRect({0, 0, 4, 4}, OleColor::system(OleColor::Window));
    EXPECT_EQ(surface.GetPixel(1, 1), OleColor::fromRgb(1, 2, 3));
}

TEST(GdiSurface, HorizontalAndVerticalLinesLeaveOutTheirEndPoint)
{
    GdiSurface surface(QSize(20, 20));
    EXPECT_EQ(lineFrom(surface, {3, 5}, {10, 5}), rectPixels(3, 5, 10, 6));
    EXPECT_EQ(lineFrom(surface, {10, 5}, {3, 5}), rectPixels(4, 5, 11, 6));
    EXPECT_EQ(lineFrom(surface, {4, 2}, {4, 9}), rectPixels(4, 2, 5, 9));
    EXPECT_EQ(lineFrom(surface, {4, 9}, {4, 2}), rectPixels(4, 3, 5, 10));
    EXPECT_TRUE(lineFrom(surface, {4, 4}, {4, 4}).isEmpty());
}

TEST(GdiSurface, DiagonalsTouchOnePixelPerStep)
{
    GdiSurface surface(QSize(20, 20));
    const QPoint directions[] = {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}};
    for (QPoint d : directions) {
        QSet<QPoint> expected;
        for (int i = 0; i < 5; ++i)
            expected.insert(QPoint(10, 10) + d * i);
        EXPECT_EQ(lineFrom(surface, {10, 10}, QPoint(10, 10) + d * 5), expected) << d;
    }
}

TEST(GdiSurface, LinesInEveryOctantMirrorOneAnother)
{
    GdiSurface surface(QSize(30, 30));
    const QSet<QPoint> base = lineFrom(surface, {0, 0}, {7, 3});
    const QSet<QPoint> expected{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}};
    ASSERT_EQ(base, expected);

    const QPoint centre(15, 15);
    for (int sx : {1, -1}) {
        for (int sy : {1, -1}) {
            for (bool steep : {false, true}) {
                const auto place = [&](QPoint p) {
                    const QPoint q = steep ? QPoint(p.y(), p.x()) : p;
                    return centre + QPoint(sx * q.x(), sy * q.y());
                };
                QSet<QPoint> mirrored;
                for (QPoint p : base)
                    mirrored.insert(place(p));
                EXPECT_EQ(lineFrom(surface, centre, place({7, 3})), mirrored)
                    << "octant " << sx << ' ' << sy << ' ' << steep;
            }
        }
    }
}

TEST(GdiSurface, LinesMoveTheCurrentPositionSoABorderClosesExactly)
{
    GdiSurface surface(QSize(20, 20));
    EXPECT_EQ(surface.MoveToEx(12, 3), QPoint(0, 0));
    surface.LineTo(12, 9);
    EXPECT_EQ(surface.currentPosition(), QPoint(12, 9));
    surface.LineTo(4, 9);
    surface.LineTo(4, 3);
    surface.LineTo(12, 3);
    EXPECT_EQ(surface.MoveToEx(0, 0), QPoint(12, 3));
    EXPECT_EQ(pixelsOf(surface, OleColor::fromOle(0x000000)), rectPixels(4, 3, 13, 10) - rectPixels(5, 4, 12, 9));
}

TEST(GdiSurface, LinesAreClippedWithoutWalkingTheirWholeLength)
{
    GdiSurface surface(QSize(10, 10));
    EXPECT_EQ(lineFrom(surface, {-100, 5}, {100, 5}), rectPixels(0, 5, 10, 6));
    EXPECT_EQ(lineFrom(surface, {IntMax, 0}, {IntMin, 0}), rectPixels(0, 0, 10, 1));
    QSet<QPoint> diagonal;
    for (int i = 0; i < 10; ++i)
        diagonal.insert(QPoint(i, i));
    EXPECT_EQ(lineFrom(surface, {IntMin, IntMin}, {IntMax, IntMax}), diagonal);
    EXPECT_TRUE(lineFrom(surface, {IntMin, IntMax}, {IntMax, IntMax - 7}).isEmpty());
    EXPECT_EQ(surface.currentPosition(), QPoint(IntMax, IntMax - 7));
}

TEST(GdiSurface, PenStyles)
{
    GdiSurface surface(QSize(20, 6));
    const GdiPen nullPen = surface.CreatePen(Gdi::PS_NULL, 1, Red);
    surface.SelectObject(nullPen);
    EXPECT_TRUE(lineFrom(surface, {0, 1}, {20, 1}).isEmpty());
    EXPECT_EQ(surface.currentPosition(), QPoint(20, 1));

    const GdiPen dotted = surface.CreatePen(Gdi::PS_DOT, 1, Red);
    surface.SelectObject(dotted);
    surface.clear();
    surface.MoveToEx(0, 1);
    surface.LineTo(12, 1);
    EXPECT_EQ(pixelsOf(surface, Red), rectPixels(0, 1, 3, 2) + rectPixels(6, 1, 9, 2));

    surface.SetBkMode(Gdi::OPAQUE);
    surface.SetBkColor(Blue);
    surface.MoveToEx(0, 3);
    surface.LineTo(12, 3);
    EXPECT_EQ(pixelsOf(surface, Blue), rectPixels(3, 3, 6, 4) + rectPixels(9, 3, 12, 4));

    const GdiPen wide = surface.CreatePen(Gdi::PS_SOLID, 3, Blue);
    surface.SelectObject(wide);
    surface.clear();
    surface.MoveToEx(5, 2);
    surface.LineTo(15, 2);
    for (int y = 1; y <= 3; ++y)
        EXPECT_EQ(surface.GetPixel(10, y), Blue) << y;
    EXPECT_EQ(surface.GetPixel(10, 5), White);

    OlvarTest::expectOleError(ErrorNumber::InvalidProcedureCall, [&] { surface.CreatePen(7, 1, Red); });
    OlvarTest::expectOleError(ErrorNumber::InvalidProcedureCall, [&] { surface.CreatePen(Gdi::PS_SOLID, -1, Red); });
}

TEST(GdiSurface, ObjectsAreSelectedAndDeletedLikeHandles)
{
    GdiSurface surface(QSize(4, 4));
    const GdiPen owner = surface.currentPen();
    EXPECT_TRUE(owner.isOwnerPen());
    EXPECT_TRUE(owner.isStock());

    const GdiPen red = surface.CreatePen(Gdi::PS_SOLID, 1, Red);
    EXPECT_EQ(surface.liveObjectCount(), 1);
    EXPECT_EQ(surface.SelectObject(red), owner);
    EXPECT_FALSE(surface.DeleteObject(red)) << "a selected pen stays";
    EXPECT_EQ(surface.SelectObject(owner), red);
    EXPECT_TRUE(surface.DeleteObject(red));
    EXPECT_FALSE(surface.DeleteObject(red)) << "deleted twice";
    EXPECT_EQ(surface.liveObjectCount(), 0);

    EXPECT_TRUE(surface.SelectObject(red).isNull()) << "a deleted pen cannot be selected";
    EXPECT_EQ(surface.currentPen(), owner);
    EXPECT_TRUE(surface.DeleteObject(owner)) << "stock objects are left alone";
    EXPECT_FALSE(surface.DeleteObject(GdiPen()));

    const GdiBrush brush = surface.CreateSolidBrush(Red);
    const GdiBrush stockBrush = surface.SelectObject(brush);
    EXPECT_TRUE(stockBrush.isStock());
    EXPECT_FALSE(surface.DeleteObject(brush));
    surface.SelectObject(stockBrush);
    EXPECT_TRUE(surface.DeleteObject(brush));
    EXPECT_FALSE(surface.FillRect(0, 0, 4, 4, brush));
    EXPECT_TRUE(pixelsOf(surface, Red).isEmpty());
}

TEST(GdiSurface, TheOwnersPenFollowsItsForegroundColour)
{
    GdiSurface surface(QSize(10, 4));
    surface.setForeColor(Red);
    EXPECT_EQ(surface.GetTextColor(), Red);
    surface.MoveToEx(0, 1);
    surface.LineTo(10, 1);
    EXPECT_EQ(pixelsOf(surface, Red), rectPixels(0, 1, 10, 2));

    const GdiPen blue = surface.CreatePen(Gdi::PS_SOLID, 1, Blue);
    const GdiPen owner = surface.SelectObject(blue);
    surface.setForeColor(OleColor::fromOle(0x00FF00));
    surface.MoveToEx(0, 2);
    surface.LineTo(10, 2);
    EXPECT_EQ(pixelsOf(surface, Blue), rectPixels(0, 2, 10, 3)) << "a created pen keeps its colour";
    surface.SelectObject(owner);
    surface.MoveToEx(0, 3);
    surface.LineTo(10, 3);
    EXPECT_EQ(pixelsOf(surface, OleColor::fromOle(0x00FF00)), rectPixels(0, 3, 10, 4));
}

TEST(GdiSurface, ResizingKeepsTheDrawingAndRefusesBadSizes)
{
    GdiSurface surface(QSize(4, 4));
    surface.fillSolidRect({0, 0, 4, 4}, Red);
    surface.setBackColor(Blue);
    surface.resize(QSize(6, 5));
    EXPECT_EQ(pixelsOf(surface, Red), rectPixels(0, 0, 4, 4));
    EXPECT_EQ(pixelsOf(surface, Blue), rectPixels(0, 0, 6, 5) - rectPixels(0, 0, 4, 4));

    OlvarTest::expectOleError(ErrorNumber::InvalidProcedureCall, [&] { surface.resize(QSize(-1, 5)); });
    OlvarTest::expectOleError(7, [&] { surface.resize(QSize(100000, 100000)); });
    EXPECT_EQ(surface.size(), QSize(6, 5));
}

TEST(GdiSurface, AnEmptySurfaceTakesEveryCall)
{
    GdiSurface surface;
    EXPECT_TRUE(surface.size().isEmpty());
    surface.clear();
    surface.fillSolidRect({0, 0, 10, 10}, Red);
    surface.MoveToEx(-5, -5);
    EXPECT_TRUE(surface.LineTo(5, 5));
    EXPECT_TRUE(surface.TextOutA(0, 0, QStringLiteral("text")));
    GdiRect rect{0, 0, 50, 50};
    EXPECT_GT(surface.DrawTextA(QStringLiteral("text"), rect, Gdi::DT_WORDBREAK), 0);
    EXPECT_EQ(surface.GetPixel(0, 0), OleColor(0xFFFFFFFFu));
    EXPECT_FALSE(surface.SetPixelV(0, 0, Red));
}

TEST(GdiSurface, PixelsCanBeReadAndWrittenOnTheSurfaceOnly)
{
    GdiSurface surface(QSize(3, 3));
    EXPECT_TRUE(surface.SetPixelV(2, 1, Red));
    EXPECT_EQ(surface.GetPixel(2, 1), Red);
    EXPECT_FALSE(surface.SetPixelV(3, 1, Red));
    EXPECT_EQ(surface.GetPixel(-1, 0), OleColor(0xFFFFFFFFu));
}

TEST(GdiSurface, AMirrorPainterGetsTheSameDrawingAndTheImageStaysAsItWas)
{
    const auto draw = [](GdiSurface &surface) {
        surface.fillSolidRect(GdiRect{2, 3, 30, 12}, OleColor::fromOle(0x0000FF));
        surface.MoveToEx(0, 20);
        surface.LineTo(40, 20);
        surface.fillSolidRect(GdiRect{-5, 30, 100, 200}, OleColor::fromOle(0x00FF00)); // clipped to the surface on both
        surface.SetTextColor(OleColor::fromOle(0x000000));
        surface.TextOutA(2, 22, QStringLiteral("Mirrored"));
    };
    GdiSurface plain(QSize(48, 40));
    draw(plain);

    // Twice the size through the painter's transform, as a printer at 192 dots per inch would get it.
    QImage device(96, 80, QImage::Format_RGB32);
    device.fill(Qt::white);
    QPainter painter(&device);
    painter.scale(2, 2);
    GdiSurface mirrored(QSize(48, 40));
    mirrored.setMirror(&painter);
    draw(mirrored);
    mirrored.setMirror(nullptr);
    mirrored.fillSolidRect(GdiRect{0, 0, 48, 2},
                           OleColor::fromOle(0x000000)); // after the mirror is taken away: image only
    painter.end();

    for (int y = 2; y < 40; ++y)
        for (int x = 0; x < 48; ++x)
            ASSERT_EQ(mirrored.GetPixel(x, y), plain.GetPixel(x, y)) << x << "," << y;
    EXPECT_EQ(device.pixel(4, 6), qRgb(255, 0, 0)); // the fill, scaled: (2, 3) -> (4, 6)
    EXPECT_EQ(device.pixel(59, 23), qRgb(255, 0, 0)); // (29, 11), its last pixel
    EXPECT_EQ(device.pixel(60, 24), qRgb(255, 255, 255));
    EXPECT_EQ(device.pixel(40, 41), qRgb(0, 0, 0)); // the line along row 20
    EXPECT_EQ(device.pixel(0, 79), qRgb(0, 255, 0)); // the clipped fill reaches the surface's last row
    EXPECT_EQ(device.pixel(0, 0), qRgb(255, 255, 255)); // drawn without the mirror
    int dark = 0; // the text, in the rows of its cell
    for (int y = 44; y < 60; ++y)
        for (int x = 4; x < 90; ++x)
            dark += qGray(device.pixel(x, y)) < 128 ? 1 : 0;
    EXPECT_GT(dark, 20);
}
