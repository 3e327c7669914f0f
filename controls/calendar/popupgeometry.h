// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace OlvarControls {

/*!
    Where the month popup opens and how tall it is: the numbers of its
    placement against the date entry that opens it, and of its Today/None
    layout. Heights and lefts are in twips, screen positions in pixels.
*/
class PopupGeometry
{
public:
    /*! The height of the popup's month part, and of the whole popup without buttons. */
    static constexpr int CalendarHeight = 2180;
    /*! The height of the popup with a Today or None button. */
    static constexpr int HeightWithButtons = 2595;

    /*! The Today/None layout: the popup's height and the buttons' lefts, in twips. */
    struct ButtonLayout
    {
        int popupHeight = HeightWithButtons;
        int calendarHeight = CalendarHeight; //!< the height of \c PicCalendar
        int todayLeft = -1; //!< -1: \c btnToday hidden
        int noneLeft = -1; //!< -1: \c btnNone hidden

        friend bool operator==(const ButtonLayout &a, const ButtonLayout &b)
        {
            return a.popupHeight == b.popupHeight && a.calendarHeight == b.calendarHeight && a.todayLeft == b.todayLeft
                && a.noneLeft == b.noneLeft;
        }
    };

    /*! The layout with \c btnToday shown or not (\a showToday) and \c btnNone shown or not (\a showNone). */
    static ButtonLayout buttonLayout(bool showToday, bool showNone);

    /*!
        The top left of a popup of \a popupSize under the owner window \a owner
        on the screen \a screen (all in global pixels): centred on the owner,
        its top on the owner's bottom edge, or 193 pixels higher when that edge
        lies more than 100 pixels below the middle of the screen.
    */
    static QPoint position(const QRect &owner, const QRect &screen, QSize popupSize);
};

} // namespace OlvarControls
