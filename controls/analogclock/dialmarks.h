// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olecolor.h"
#include "olvarglobal.h"

#include <array>
#include <optional>

namespace OlvarControls {

/*!
    The tick marks drawn on the analog clock's surface: for each dial position
    0 to 60 the colour it was last drawn in, if any. What is drawn stays until
    drawn over, as on a window's surface.

    The clock draws its sixty marks yellow (every fifth) and blue; the
    stopwatch's running mark draws single positions green and blue again.
*/
class DialMarks
{
public:
    static constexpr OleColor Yellow = OleColor(0x00FFFF);
    static constexpr OleColor Blue = OleColor(0xFF0000);
    static constexpr OleColor Green = OleColor(0x00FF00);
    static constexpr int PositionCount = 61;

    /*! Draws the clock's marks 1 to 60: yellow at multiples of 5, blue otherwise. */
    void drawClockMarks();
    /*! Draws the mark at \a position in \a color; positions outside 0 to 60 are not on the dial and are skipped. */
    void drawMark(int position, OleColor color);
    /*! The colour the mark at \a position was last drawn in; none if it was never drawn or is off the dial. */
    std::optional<OleColor> colorAt(int position) const;
    /*! Clears every mark, as a fresh surface. */
    void clear();

private:
    std::array<std::optional<OleColor>, PositionCount> m_colors{};
};

} // namespace OlvarControls
