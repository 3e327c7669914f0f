// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olecolor.h"
#include "olvarglobal.h"

#include <QObject>
#include <QPoint>

namespace OlvarControls {

/*!
    A straight line on the analog clock's dial, such as a hand: two end points
    in twips, a colour and a width in pixels. The clock paints it; it has no
    window.
*/
class DialLine : public QObject
{
    Q_OBJECT

public:
    /*! A line of \a color, \a width pixels wide. */
    DialLine(OleColor color, int width, QObject *parent = nullptr);

    QPoint from() const { return m_from; }
    QPoint to() const { return m_to; }
    /*! Sets both end points, in twips. */
    void setEnds(QPoint from, QPoint to);

    OleColor color() const { return m_color; }
    int width() const { return m_width; }

    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

private:
    QPoint m_from;
    QPoint m_to;
    OleColor m_color;
    int m_width;
    bool m_visible = true;
};

} // namespace OlvarControls
