// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QRect>
#include <QSize>

namespace OlvarControls {

/*!
    Twips, 1/1440 inch, the unit of the hosts' forms and of several controls'
    layouts. The screen is taken at 96 dots per inch, 15 twips per pixel,
    whatever the real screen says, so that layouts come out the same
    everywhere. Conversions to pixels round to the nearest pixel (no whole
    number of twips lies half-way); results beyond 32 bits raise error 6.
*/
namespace Twips {

/*! Twips in one pixel. */
constexpr int PerPixel = 15;

/*! \a pixels in twips. */
int fromPixels(int pixels);
/*! \a twips in whole pixels, rounded to the nearest. */
int toPixels(int twips);
/*! \a twips in pixels, unrounded. */
constexpr double toPixelsF(double twips)
{
    return twips / PerPixel;
}

/*! A rectangle in twips (left, top, width, height) in pixels; each is converted on its own. */
QRect toPixels(const QRect &twips);
/*! A rectangle in pixels in twips. */
QRect fromPixels(const QRect &pixels);
/*! A size in twips in pixels. */
QSize toPixels(QSize twips);
/*! A size in pixels in twips. */
QSize fromPixels(QSize pixels);

} // namespace Twips

} // namespace OlvarControls
