// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <memory>

namespace OlvarControls {

/*!
    What the controls ask the desktop: where the mouse pointer is, which mouse
    buttons are down, where the screens are and what they show. Replaceable as one service; the
    production desktop asks Qt.
*/
class Desktop
{
public:
    virtual ~Desktop();

    /*! The installed desktop; Qt's unless another has been set. */
    static Desktop &instance();
    /*! Installs \a desktop; nullptr puts back Qt's. */
    static void setInstance(std::unique_ptr<Desktop> desktop);

    /*! The mouse pointer in global pixels. */
    virtual QPoint cursorPos() const = 0;
    /*! The mouse buttons that are down now. */
    virtual Qt::MouseButtons mouseButtons() const = 0;
    /*! The rectangle, in global pixels, of the screen containing \a globalPos (else the primary one). */
    virtual QRect screenGeometry(const QPoint &globalPos) const = 0;
    /*!
        What the screens show in \a rect (global pixels), as an RGB32 image the
        size of \a rect; pixels on no screen are black. Qt's desktop grabs the
        screen under the rectangle's top-left corner.
    */
    virtual QImage grabScreen(const QRect &rect) const;

    /*! Whether the left, right or middle button is down. */
    bool isMouseButtonDown() const;

protected:
    Desktop();

private:
    Desktop(const Desktop &) = delete;
    Desktop &operator=(const Desktop &) = delete;
};

} // namespace OlvarControls
