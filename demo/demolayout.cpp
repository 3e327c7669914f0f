// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "demolayout.h"

namespace Sessara {

namespace {

// A length assignment the way the window system takes it: a negative length is
// refused and the old one stays.
void setWidth(QRect &rect, int width)
{
    if (width >= 0)
        rect.setWidth(width);
}

void setHeight(QRect &rect, int height)
{
    if (height >= 0)
        rect.setHeight(height);
}

} // namespace

MainWindowGeometry DemoLayout::arrangeWindow(const MainWindowGeometry &current, int windowWidth, int innerHeight,
                                             int toolbarBottom)
{
    MainWindowGeometry g = current;
    if (g.panel.width() + Margin < windowWidth) {
        g.counsellorLabel.moveTop(toolbarBottom);
        setWidth(g.counsellorLabel, windowWidth - g.panel.width() - Margin);

        const int viewTop = g.counsellorLabel.top() + g.counsellorLabel.height();
        g.dayView.moveTo(0, viewTop);
        setHeight(g.dayView, innerHeight - viewTop);
        setWidth(g.dayView, windowWidth - g.panel.width() - Margin);

        g.panel.moveTop(toolbarBottom);
        setHeight(g.panel, g.dayView.height() + g.counsellorLabel.height());
        g.panel.moveLeft(g.dayView.width());
        setWidth(g.panel, windowWidth - g.dayView.width() - Margin);
    }
    setWidth(g.weekView, g.dayView.width());
    setHeight(g.weekView, g.dayView.height());
    return g;
}

PanelGeometry DemoLayout::arrangePanel(const PanelGeometry &current, int panelWidth, int panelHeight)
{
    PanelGeometry g = current;
    g.bookingDetailsLabel.moveTo(0, 0);
    setWidth(g.bookingDetailsLabel, panelWidth - Margin);

    setWidth(g.copyrightLabel, panelWidth - 10);
    g.copyrightLabel.moveTop(panelHeight - g.copyrightLabel.height());

    g.additionalOptionsLabel.moveLeft(0);
    setWidth(g.additionalOptionsLabel, panelWidth - Margin);

    const int optionsBottom = g.additionalOptionsLabel.top() + g.additionalOptionsLabel.height();
    if (optionsBottom < g.copyrightLabel.top()) {
        g.listBar.moveTo(0, optionsBottom + 1);
        setHeight(g.listBar, g.copyrightLabel.top() - optionsBottom);
        setWidth(g.listBar, panelWidth - Margin);
    }
    return g;
}

} // namespace Sessara
