// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gdiobjects.h"
#include "olvarglobal.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace OlvarControls {

/*!
    The geometry of an info tip: the size of its body from the measured text
    and title, the window size with the drop shadow's margin, where the window
    goes next to the mouse pointer, and the rectangles the title, separator and
    text are drawn in.

    With P the padding, the body is the text width (or the title width, if that
    is wider) plus 2P wide and the text height plus P high, plus the title height
    plus P when the title is shown. Half the padding is P / 2 rounded half to even.
*/
class InfoTipLayout
{
public:
    /*! The width and height of the drop shadow to the right of and below the body. */
    static constexpr int ShadowSize = 4;
    /*! How far below the pointer the tip goes. */
    static constexpr int PointerGap = 22;

    /*! What the tip measured: the text's block, the title's width and height, the padding. */
    struct Measures
    {
        QSize textSize; //!< the longest line's width, the height of all lines
        int titleWidth = 0; //!< the title's width in the title font
        int titleHeight = 0; //!< the title's height in the text font
        int padding = 0; //!< inner margin in pixels, 0 or more
        bool showTitle = false;
    };

    explicit InfoTipLayout(const Measures &measures);

    /*! The size of the tip's body, without the shadow. */
    QSize bodySize() const { return m_body; }
    /*! The size of the tip's window: the body plus the shadow margin when \a dropShadow. */
    QSize windowSize(bool dropShadow) const;
    /*!
        The window's top-left corner for the pointer at \a pointer on \a screen:
        PointerGap pixels below the pointer, moved left to end P pixels inside
        the right edge when it would cross it, and above the pointer (its bottom
        P pixels above it) when it would cross the bottom edge. A tip larger than
        the screen keeps its top-left corner on the screen.
    */
    QPoint position(const QPoint &pointer, const QRect &screen) const;

    /*! The body without its margins: P in from the left and right, half of P from the top and bottom. */
    GdiRect contentRect() const;
    /*! The row of the line between the title and the text. */
    int separatorY() const;
    /*! The rectangle the text is drawn in: below the separator when the title is shown. */
    GdiRect textRect() const;

    /*! \a value / 2 rounded half to even, as the platform rounds. */
    static int halfOf(int value);
    /*! \a text with every tab replaced by \a tabSize spaces (none for a size below 1). */
    static QString expandTabs(const QString &text, int tabSize);
    /*! \a text without its tabs. */
    static QString removeTabs(const QString &text);

private:
    Measures m_measures;
    QSize m_body;
};

} // namespace OlvarControls
