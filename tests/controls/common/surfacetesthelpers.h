// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gdisurface.h"
#include "oleerror.h"

#include <QPoint>
#include <QSet>

#include <gtest/gtest.h>

namespace OlvarTest {

/*! Colours the drawing tests use, as OLE colours (red in the low byte). */
namespace Colours {
constexpr OlvarControls::OleColor White = OlvarControls::OleColor::fromOle(0xFFFFFF);
constexpr OlvarControls::OleColor Black = OlvarControls::OleColor::fromOle(0x000000);
constexpr OlvarControls::OleColor Red = OlvarControls::OleColor::fromOle(0x0000FF);
constexpr OlvarControls::OleColor Blue = OlvarControls::OleColor::fromOle(0xFF0000);
constexpr OlvarControls::OleColor Yellow = OlvarControls::OleColor::fromOle(0x00FFFF);
constexpr OlvarControls::OleColor Grey = OlvarControls::OleColor::fromOle(0xA7A7A7);
} // namespace Colours

/*! Every pixel of \a surface that has \a color. */
inline QSet<QPoint> pixelsOf(const OlvarControls::GdiSurface &surface, OlvarControls::OleColor color)
{
    QSet<QPoint> pixels;
    for (int y = 0; y < surface.size().height(); ++y)
        for (int x = 0; x < surface.size().width(); ++x)
            if (surface.GetPixel(x, y) == color)
                pixels.insert(QPoint(x, y));
    return pixels;
}

/*! The pixels of the rectangle with columns \a left to \a right - 1 and rows \a top to \a bottom - 1. */
inline QSet<QPoint> rectPixels(int left, int top, int right, int bottom)
{
    QSet<QPoint> pixels;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            pixels.insert(QPoint(x, y));
    return pixels;
}

/*! Runs \a call and expects it to raise the OleError \a number. */
template <typename Call>
void expectOleError(int number, Call call)
{
    try {
        call();
        ADD_FAILURE() << "expected error " << number;
    } catch (const OlvarControls::OleError &error) {
        EXPECT_EQ(error.number(), number) << error.what();
    }
}

} // namespace OlvarTest

inline std::ostream &operator<<(std::ostream &os, const QPoint &p)
{
    return os << '(' << p.x() << ", " << p.y() << ')';
}
