// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <array>

namespace OlvarControls {

/*!
    Where the week view puts its seven day columns, in twips.

    Column 0 is the rightmost (Sunday) and carries the vertical scroll bar,
    column 6 the leftmost (Monday) and carries the time scale. The width left
    after the scroll-bar allowance (and the time-scale allowance while column 6
    shows its time scale) is shared equally by the seven columns, rounded to
    the nearest twip with halves to even. When nothing is left to share
    (columnWidth() not positive) the columns keep their widths; heights and
    left edges are set all the same.
*/
class WeekLayout
{
public:
    /*! The number of day columns. */
    static constexpr int ColumnCount = 7;
    /*! Added to the width of column 0, whether or not its scroll bar shows. */
    static constexpr int ScrollBarAllowance = 240;
    /*! Added to the width of column 6, and to every left edge right of it, while it shows the time scale. */
    static constexpr int TimeScaleAllowance = 840;
    /*! The column that carries the scroll bar and leads the scroll position. */
    static constexpr int ScrollBarColumn = 0;
    /*! The leftmost column, which carries the time scale. */
    static constexpr int TimeScaleColumn = 6;

    /*! The layout of a week view \a width by \a height twips; \a timeScale is column 6's ShowTimeScale. */
    WeekLayout(int width, int height, bool timeScale);

    /*! The shared column width c; may be zero or negative for a narrow control. */
    int columnWidth() const { return m_columnWidth; }
    /*! Whether the columns take the widths of this layout (c > 0). */
    bool setsWidths() const { return m_columnWidth > 0; }
    /*! The width of column \a index (meaningful when setsWidths()). */
    int width(int index) const;
    /*! The left edge of column \a index. */
    int left(int index) const;
    /*! The height every column gets. */
    int height() const { return m_height; }
    /*! The time-scale allowance in use: 840 with the time scale, else 0. */
    int timeScaleAllowance() const { return m_timeScale; }

private:
    int m_columnWidth;
    int m_height;
    int m_timeScale;
};

} // namespace OlvarControls
