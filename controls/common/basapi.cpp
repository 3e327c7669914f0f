// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "basapi.h"

#include "gdisurface.h"
#include "oleerror.h"

#include <limits>

namespace OlvarControls {

namespace {

struct PenPair
{
    GdiPen created;
    GdiPen replaced;
};

PenPair &penPair()
{
    thread_local PenPair pair;
    return pair;
}

void requireInteger(int value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw OleError(ErrorNumber::Overflow);
}

} // namespace

void BasApi::SelectPen(GdiSurface &surface, qint32 penStyle, int width, OleColor color)
{
    requireInteger(width);
    PenPair &pair = penPair();
    pair.created = surface.CreatePen(penStyle, width, color);
    pair.replaced = surface.SelectObject(pair.created);
}

void BasApi::RestorePen(GdiSurface &surface)
{
    const PenPair &pair = penPair();
    surface.SelectObject(pair.replaced);
    surface.DeleteObject(pair.created);
}

void BasApi::TextOut(const QString &text, int x, int y, GdiSurface &surface, OleColor textColor, OleColor backColor,
                     bool opaque)
{
    requireInteger(x);
    requireInteger(y);
    if (opaque) {
        surface.SetBkMode(Gdi::OPAQUE);
        surface.SetBkColor(backColor);
    } else {
        surface.SetBkMode(Gdi::TRANSPARENT);
    }
    surface.SetTextColor(textColor);
    surface.TextOutA(x, y, text);
}

GdiPen BasApi::routinePen()
{
    return penPair().created;
}

GdiPen BasApi::rememberedPen()
{
    return penPair().replaced;
}

} // namespace OlvarControls
