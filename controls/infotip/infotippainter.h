// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gdisurface.h"
#include "infotiplayout.h"
#include "infotipstyle.h"
#include "olvarglobal.h"

#include <QImage>
#include <QString>

namespace OlvarControls {

/*!
    Measures and draws an info tip on its window's surface: the fill, the
    border, the bold title with the separator below it, the text, and the drop
    shadow in the window's right and bottom margins.
*/
class InfoTipPainter
{
public:
    /*! A painter of \a style on \a surface; both must outlive it. */
    InfoTipPainter(GdiSurface &surface, const InfoTipStyle &style);

    /*!
        Measures \a text (tabs already expanded) and \a title with the tip's fonts:
        the text block and the title's height in the text font, the title's width
        in the title font. Leaves the text font selected.
    */
    InfoTipLayout::Measures measure(const QString &text, const QString &title) const;
    /*! Draws the tip's body of \a layout, \a title (when shown) and \a text; the shadow margin is left alone. */
    void paint(const InfoTipLayout &layout, const QString &text, const QString &title) const;
    /*!
        Paints the shadow into the 4-pixel margins at the right and the bottom of
        the surface from \a under, the screen pixels under the whole window: the
        margin shows them darkened, most (by 60/255) next to the body in the middle
        of each margin, fading to 15/255 at the outer edge and towards the ends.
        The corner square belongs to the right margin.
    */
    void paintShadow(const QImage &under) const;

    /*! \a color with each of red, green and blue c made c - floor(c x \a factor / 255). */
    static OleColor darken(OleColor color, int factor);
    /*! The platform's raised outer edge around \a rect: light top and left, dark right and bottom. */
    static void drawRaisedEdge(GdiSurface &surface, const GdiRect &rect);

private:
    quint32 alignmentFlag(qint32 alignment, quint32 previous) const;
    void drawLine(OleColor color, const QPoint &from, const QList<QPoint> &to) const;

    GdiSurface &m_surface;
    const InfoTipStyle &m_style;
};

} // namespace OlvarControls
