// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"
#include "retainedsurface.h"

#include <QWidget>

namespace OlvarControls {

/*!
    The info tip's pop-up window: frameless, above other windows, never taking
    the focus or being activated when shown. The tip is drawn on its surface
    once per show; the window keeps that drawing and paints it again whenever
    the platform asks.
*/
class InfoTipWindow : public QWidget
{
    Q_OBJECT

public:
    /*! A hidden tip window owned by \a owner's window, if any. */
    explicit InfoTipWindow(QWidget *owner = nullptr);
    ~InfoTipWindow() override;

    /*! The drawing surface, the size of the window. */
    GdiSurface &surface() { return m_surface.surface(); }
    /*! Shows the drawing on the screen. */
    void refresh() { m_surface.refresh(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    RetainedSurface m_surface;
};

} // namespace OlvarControls
