// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "desktop.h"

#include <QList>

namespace OlvarTest {

/*!
    A desktop for tests: the pointer, the buttons held and the screens are
    whatever the test sets. It starts with the pointer at (0, 0), no button
    down and one 1920 x 1080 screen that shows white.
*/
class VirtualDesktop : public OlvarControls::Desktop
{
public:
    QPoint cursorPos() const override { return m_cursorPos; }
    Qt::MouseButtons mouseButtons() const override { return m_buttons; }
    QRect screenGeometry(const QPoint &globalPos) const override;
    /*! The screen picture's pixels in \a rect; white where it has none. */
    QImage grabScreen(const QRect &rect) const override;

    void setCursorPos(const QPoint &pos) { m_cursorPos = pos; }
    void setMouseButtons(Qt::MouseButtons buttons) { m_buttons = buttons; }
    /*! Replaces the screens; the first is the primary one. */
    void setScreens(const QList<QRect> &screens) { m_screens = screens; }
    /*! What the screens show, its top-left pixel at global (0, 0). */
    void setScreenImage(const QImage &image) { m_screenImage = image; }

private:
    QPoint m_cursorPos;
    Qt::MouseButtons m_buttons;
    QList<QRect> m_screens{QRect(0, 0, 1920, 1080)};
    QImage m_screenImage;
};

/*! The virtual desktop installed for the running test. */
VirtualDesktop &virtualDesktop();

} // namespace OlvarTest
