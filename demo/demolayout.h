// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>

namespace Sessara {

/*! Where the main window's calendar area and right-hand panel go, in twips (x, y, width, height). */
struct MainWindowGeometry
{
    QRect counsellorLabel; //!< the counsellor's name above the views
    QRect dayView;
    QRect weekView;
    QRect panel; //!< the right-hand panel
};

/*! Where the right-hand panel's own children go, in twips relative to the panel. */
struct PanelGeometry
{
    QRect bookingDetailsLabel; //!< "New Booking Details"
    QRect additionalOptionsLabel; //!< "Additional Options"
    QRect listBar; //!< the navigation bar
    QRect copyrightLabel;
};

/*!
    The main window's resize rules. The views fill the window left of the
    right-hand panel, under the toolbar and the counsellor's name, with a margin
    of 100 twips; the panel keeps its width. The navigation bar fills the panel
    between "Additional Options" and the copyright line.

    A length that would come out negative leaves the old one in place, as does a
    window too narrow for the panel and its margin.
*/
class DemoLayout
{
public:
    /*! The margin, in twips, right of the views and of the panel's labels. */
    static constexpr int Margin = 100;

    /*!
        \a current rearranged for a window \a windowWidth wide whose inner height
        is \a innerHeight, with the toolbar ending at \a toolbarBottom.
    */
    static MainWindowGeometry arrangeWindow(const MainWindowGeometry &current, int windowWidth, int innerHeight,
                                            int toolbarBottom);

    /*! \a current rearranged for a panel \a panelWidth wide and \a panelHeight high. */
    static PanelGeometry arrangePanel(const PanelGeometry &current, int panelWidth, int panelHeight);
};

} // namespace Sessara
