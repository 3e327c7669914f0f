// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olecolor.h"
#include "olvarglobal.h"

#include <QObject>
#include <QRectF>

namespace OlvarControls {

/*!
    A circle shape drawn on the analog clock's dial: a rectangle in twips, a
    border and an optional solid fill. The clock paints it; it has no window.
*/
class DialShape : public QObject
{
    Q_OBJECT

public:
    explicit DialShape(QObject *parent = nullptr);

    /*! The rectangle the circle is drawn in, in twips. */
    QRectF rect() const { return m_rect; }
    void setRect(const QRectF &rect) { m_rect = rect; }
    /*! Moves the top-left to (\a left, \a top), keeping the size. */
    void moveTo(double left, double top) { m_rect.moveTo(left, top); }

    OleColor borderColor() const { return m_borderColor; }
    /*! The border's width in pixels. */
    int borderWidth() const { return m_borderWidth; }
    void setBorder(OleColor color, int width);

    /*! Whether the circle is filled with fillColor(). */
    bool isFilled() const { return m_filled; }
    OleColor fillColor() const { return m_fillColor; }
    void setFill(OleColor color);

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

private:
    QRectF m_rect;
    OleColor m_borderColor;
    int m_borderWidth = 1;
    OleColor m_fillColor;
    bool m_filled = false;
    bool m_visible = true;
};

} // namespace OlvarControls
