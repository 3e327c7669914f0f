// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QList>

namespace OlvarControls {

/*!
    Lays overlapping appointments side by side. Each item is a half-open
    vertical range [begin, end); two items overlap when each begins before the
    other ends, so items that only touch do not. Items that overlap, directly
    or through a chain of others, form a cluster, which is split into the
    fewest columns that keep overlapping items apart; each item then widens
    into the free columns to its right.

    Items are placed in order of their beginning, the longer first at the same
    beginning, then in the order given. A reversed range is taken from its
    smaller to its larger end.
*/
class OverlapLayout
{
public:
    /*! Where one item goes: its first column, how many columns it spans, and its cluster's column count. */
    struct Placement
    {
        int column = 0;
        int span = 1;
        int columns = 1;

        friend bool operator==(Placement a, Placement b)
        {
            return a.column == b.column && a.span == b.span && a.columns == b.columns;
        }
    };

    /*! A vertical range of one item. */
    struct Range
    {
        int begin = 0;
        int end = 0;
    };

    /*! The placements of \a ranges, in the same order. */
    static QList<Placement> place(const QList<Range> &ranges);

    /*! The part of the width from \a left to \a right that \a placement takes: its first and its last column. */
    static std::pair<int, int> horizontalExtent(Placement placement, int left, int right);
};

} // namespace OlvarControls
