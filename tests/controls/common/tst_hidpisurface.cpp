// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "gdisurface.h"
#include "surfacetesthelpers.h"

#include <QPalette>
#include <QSet>

#include <gtest/gtest.h>

using namespace OlvarControls;
using OlvarTest::expectOleError;
using OlvarTest::pixelsOf;
using OlvarTest::rectPixels;

namespace {

using namespace OlvarTest::Colours;

/*! The device pixels of \a image that have \a color. */
QSet<QPoint> devicePixelsOf(const QImage &image, OleColor color)
{
    const QRgb rgb = color.toQColor(QPalette()).rgb();
    QSet<QPoint> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == rgb)
                pixels.insert(QPoint(x, y));
    return pixels;
}

/*! Whether every aligned 2 x 2 block of \a image is of one colour, as a picture scaled up from half its size is. */
bool isMadeOfDoubledPixels(const QImage &image)
{
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner
                || image.pixel(x + 1, y + 1) != corner)
                return false;
        }
    return true;
}

GdiSurface &atRatioTwo(GdiSurface &surface)
{
    surface.setDevicePixelRatio(2.0);
    return surface;
}

} // namespace

TEST(HiDpiSurface, TheImageHasTheDevicePixelsAndTheCallsKeepLogicalOnes)
{
    GdiSurface surface(QSize(30, 20));
    atRatioTwo(surface);
    EXPECT_EQ(surface.size(), QSize(30, 20));
    EXPECT_EQ(surface.image().size(), QSize(60, 40));
    EXPECT_EQ(surface.image().devicePixelRatio(), 2.0);

    // FillRect keeps its rule in logical pixels: columns 2 to 4 and rows 3 to 4.
    surface.fillSolidRect(GdiRect{2, 3, 5, 5}, Red);
    EXPECT_EQ(pixelsOf(surface, Red), rectPixels(2, 3, 5, 5));
    EXPECT_EQ(devicePixelsOf(surface.image(), Red), rectPixels(4, 6, 10, 10));

    EXPECT_TRUE(surface.SetPixelV(29, 19, Blue));
    EXPECT_EQ(devicePixelsOf(surface.image(), Blue), rectPixels(58, 38, 60, 40));
    EXPECT_EQ(surface.GetPixel(29, 19), Blue);
    EXPECT_FALSE(surface.SetPixelV(30, 19, Blue));

    surface.resize(QSize(10, 10)); // the drawing stays
    EXPECT_EQ(surface.image().size(), QSize(20, 20));
    EXPECT_EQ(surface.GetPixel(3, 4), Red);

    for (qreal bad : {0.0, 0.5, -2.0, 17.0, qQNaN(), qInf()})
        expectOleError(ErrorNumber::InvalidProcedureCall, [&] { surface.setDevicePixelRatio(bad); });
    EXPECT_EQ(surface.devicePixelRatio(), 2.0);
}

TEST(HiDpiSurface, AOnePixelLineCoversExactlyTwoDeviceRowsOrColumns)
{
    GdiSurface surface(QSize(40, 30));
    atRatioTwo(surface);
    const GdiPen pen = surface.CreatePen(Gdi::PS_SOLID, 1, Blue);
    surface.SelectObject(pen);
    surface.MoveToEx(3, 7);
    surface.LineTo(20, 7); // columns 3 to 19 of row 7
    EXPECT_EQ(devicePixelsOf(surface.image(), Blue), rectPixels(6, 14, 40, 16));

    surface.clear();
    surface.MoveToEx(5, 2);
    surface.LineTo(5, 12);
    EXPECT_EQ(devicePixelsOf(surface.image(), Blue), rectPixels(10, 4, 12, 24));

    // A diagonal touches one logical pixel per step, each a 2 x 2 block.
    surface.clear();
    surface.MoveToEx(0, 0);
    surface.LineTo(4, 4);
    EXPECT_EQ(pixelsOf(surface, Blue), QSet<QPoint>({{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(devicePixelsOf(surface.image(), Blue).size(), 16);
}

TEST(HiDpiSurface, TextIsDrawnAtTheDeviceResolutionInItsLogicalCell)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    GdiSurface single(QSize(120, 30));
    GdiSurface doubled(QSize(120, 30));
    for (GdiSurface *surface : {&single, &doubled}) {
        surface->setFont(font);
        surface->SetTextColor(Black);
    }
    atRatioTwo(doubled);
    const QString text = QStringLiteral("Wednesday 4");
    EXPECT_EQ(doubled.GetTextExtentPoint32A(text), single.GetTextExtentPoint32A(text));
    single.TextOutA(10, 5, text);
    doubled.TextOutA(10, 5, text);

    const QSize cell = single.GetTextExtentPoint32A(text);
    const QSet<QPoint> ink = devicePixelsOf(doubled.image(), Black);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(rectPixels(20, 10, 20 + 2 * cell.width(), 10 + 2 * cell.height()).contains(ink));
    EXPECT_FALSE(isMadeOfDoubledPixels(doubled.image())) << "the text is an upscaled picture";
    // Neither blurred: only the two colours, as at ratio 1.
    QSet<QRgb> colours;
    for (int y = 0; y < doubled.image().height(); ++y)
        for (int x = 0; x < doubled.image().width(); ++x)
            colours.insert(doubled.image().pixel(x, y));
    EXPECT_EQ(colours.size(), 2);
}

TEST(HiDpiSurface, EveryLineSetsTheSameLogicalPixelsAsAtRatioOne)
{
    GdiSurface single(QSize(40, 30));
    GdiSurface doubled(QSize(40, 30));
    atRatioTwo(doubled);
    const QList<QPair<QPoint, QPoint>> lines{{{-5, 3}, {50, 3}},  {{5, 25}, {5, 2}},    {{39, 29}, {0, 0}},
                                             {{3, 28}, {37, 1}},  {{10, -4}, {10, 40}}, {{-3, 40}, {45, -6}},
                                             {{0, 31}, {39, 31}}, {{20, 10}, {20, 10}}};
    for (qint32 style : {Gdi::PS_SOLID, Gdi::PS_DOT, Gdi::PS_DASHDOT}) {
        for (GdiSurface *surface : {&single, &doubled}) {
            surface->clear();
            surface->SetBkMode(style == Gdi::PS_DOT ? Gdi::OPAQUE : Gdi::TRANSPARENT);
            surface->SetBkColor(Yellow);
            const GdiPen pen = surface->CreatePen(style, 1, Blue);
            const GdiPen previous = surface->SelectObject(pen);
            for (const auto &[from, to] : lines) {
                surface->MoveToEx(from.x(), from.y());
                surface->LineTo(to.x(), to.y());
            }
            surface->SelectObject(previous);
            surface->DeleteObject(pen);
        }
        EXPECT_EQ(pixelsOf(doubled, Blue), pixelsOf(single, Blue)) << style;
        EXPECT_EQ(pixelsOf(doubled, Yellow), pixelsOf(single, Yellow)) << style;
        // Each logical pixel is a whole 2 x 2 block.
        EXPECT_EQ(devicePixelsOf(doubled.image(), Blue).size(), 4 * pixelsOf(single, Blue).size()) << style;
    }
}
