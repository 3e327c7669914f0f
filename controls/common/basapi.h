// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gdiobjects.h"
#include "olecolor.h"
#include "olvarglobal.h"

#include <QString>

namespace OlvarControls {

class GdiSurface;

/*!
    The small drawing routines the controls share: a pen routine pair and a
    text routine.

    The pen routines remember the pen they created and the pen it replaced,
    one pair per thread for all surfaces. They are not re-entrant: a second
    SelectPen() before RestorePen() forgets the first replaced pen, so the
    restore then puts back the first routine pen instead of the original one
    and that pen is never deleted.

    Arguments the routines take as 16-bit integers raise error 6 outside
    -32768 to 32767.
*/
class BasApi
{
public:
    BasApi() = delete;

    /*! Creates a pen of \a penStyle, \a width and \a color on \a surface and selects it. */
    static void SelectPen(GdiSurface &surface, qint32 penStyle, int width, OleColor color);
    /*! Selects the remembered pen back into \a surface and deletes the routine's pen. */
    static void RestorePen(GdiSurface &surface);

    /*!
        Draws \a text at (\a x, \a y) on \a surface in \a textColor: with \a opaque on a
        \a backColor cell (background mode opaque), otherwise on a transparent background.
        The background mode, background colour and text colour stay as set.
    */
    static void TextOut(const QString &text, int x, int y, GdiSurface &surface, OleColor textColor, OleColor backColor,
                        bool opaque);

    /*! The pen the last SelectPen() created on this thread. */
    static GdiPen routinePen();
    /*! The pen the last SelectPen() replaced on this thread. */
    static GdiPen rememberedPen();
};

} // namespace OlvarControls
