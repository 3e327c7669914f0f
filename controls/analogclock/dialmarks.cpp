// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "dialmarks.h"

namespace OlvarControls {

void DialMarks::drawClockMarks()
{
    for (int position = 1; position < PositionCount; ++position)
        m_colors[position] = position % 5 == 0 ? Yellow : Blue;
}

void DialMarks::drawMark(int position, OleColor color)
{
    if (position >= 0 && position < PositionCount)
        m_colors[position] = color;
}

std::optional<OleColor> DialMarks::colorAt(int position) const
{
    if (position < 0 || position >= PositionCount)
        return std::nullopt;
    return m_colors[position];
}

void DialMarks::clear()
{
    m_colors.fill(std::nullopt);
}

} // namespace OlvarControls
