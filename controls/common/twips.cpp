// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "twips.h"

#include "oleerror.h"

#include <cstdlib>
#include <limits>

namespace OlvarControls::Twips {

int fromPixels(int pixels)
{
    const qint64 twips = qint64(pixels) * PerPixel;
    if (twips < std::numeric_limits<int>::min() || twips > std::numeric_limits<int>::max())
        throw OleError(ErrorNumber::Overflow);
    return int(twips);
}

int toPixels(int twips)
{
    // 15 is odd, so no whole number of twips lies half-way: 7 twips round down, 8 up.
    const qint64 pixels = (std::abs(qint64(twips)) + PerPixel / 2) / PerPixel;
    return int(twips < 0 ? -pixels : pixels);
}

QRect toPixels(const QRect &twips)
{
    return QRect(toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()), toPixels(twips.height()));
}

QRect fromPixels(const QRect &pixels)
{
    return QRect(fromPixels(pixels.x()), fromPixels(pixels.y()), fromPixels(pixels.width()),
                 fromPixels(pixels.height()));
}

QSize toPixels(QSize twips)
{
    return QSize(toPixels(twips.width()), toPixels(twips.height()));
}

QSize fromPixels(QSize pixels)
{
    return QSize(fromPixels(pixels.width()), fromPixels(pixels.height()));
}

} // namespace OlvarControls::Twips
