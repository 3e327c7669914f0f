// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "popupgeometry.h"

#include <cmath>

namespace OlvarControls {

namespace {

constexpr int PairTodayLeft = 120;
constexpr int PairNoneLeft = 1010;
constexpr int SingleLeft = 578;

constexpr int LowOwnerMargin = 100; // pixels below the middle of the screen
constexpr int RaiseAboveOwner = 193; // pixels

} // namespace

PopupGeometry::ButtonLayout PopupGeometry::buttonLayout(bool showToday, bool showNone)
{
    ButtonLayout layout;
    if (showToday && showNone) {
        layout.todayLeft = PairTodayLeft;
        layout.noneLeft = PairNoneLeft;
    } else if (showToday) {
        layout.todayLeft = SingleLeft;
    } else if (showNone) {
        layout.noneLeft = SingleLeft;
    } else {
        layout.popupHeight = CalendarHeight;
    }
    return layout;
}

QPoint PopupGeometry::position(const QRect &owner, const QRect &screen, QSize popupSize)
{
    // The owner's bottom edge and right edge lie just outside it, as window rectangles have them.
    const int ownerBottom = owner.y() + owner.height();
    const int middle = screen.y() + screen.height() / 2;
    const int top = middle < ownerBottom - LowOwnerMargin ? ownerBottom - RaiseAboveOwner : ownerBottom;
    const double left = owner.x() + owner.width() / 2.0 - popupSize.width() / 2.0;
    return QPoint(int(std::floor(left)), top);
}

} // namespace OlvarControls
