// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olecolor.h"
#include "olvarglobal.h"

#include <QRect>

namespace OlvarControls {

/*! Constants of the drawing calls, under the platform's names. */
namespace Gdi {

/*! Pen styles for GdiSurface::CreatePen(). */
enum PenStyle : qint32 {
    PS_SOLID = 0,
    PS_DASH = 1, //!< 18 pixels on, 6 off
    PS_DOT = 2, //!< 3 on, 3 off
    PS_DASHDOT = 3, //!< 9 on, 6 off, 3 on, 6 off
    PS_DASHDOTDOT = 4, //!< 9 on, 3 off, 3 on, 3 off, 3 on, 3 off
    PS_NULL = 5, //!< draws nothing
    PS_INSIDEFRAME = 6 //!< solid
};

/*! Background modes for GdiSurface::SetBkMode(). */
enum BkMode : int { TRANSPARENT = 1, OPAQUE = 2 };

/*! Format flags for GdiSurface::DrawTextA(). */
enum DrawTextFormat : quint32 {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4, //!< with DT_SINGLELINE only
    DT_BOTTOM = 0x8, //!< with DT_SINGLELINE only
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_EXTERNALLEADING = 0x200,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800
};

} // namespace Gdi

/*!
    A rectangle as the drawing calls take it: the right column and the bottom
    row lie outside it. A rectangle with right <= left or bottom <= top is empty.
*/
struct GdiRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    /*! The width, negative for an inverted rectangle (64-bit: any two ints fit). */
    constexpr qint64 width() const { return qint64(right) - left; }
    /*! The height, negative for an inverted rectangle. */
    constexpr qint64 height() const { return qint64(bottom) - top; }
    /*! Whether the rectangle covers no pixel. */
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }

    friend constexpr bool operator==(const GdiRect &a, const GdiRect &b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend constexpr bool operator!=(const GdiRect &a, const GdiRect &b) { return !(a == b); }
};

/*!
    The handle of a drawing object. Objects are immutable values; the handle
    identifies one creation so that a surface can tell live objects from deleted
    ones. The default-constructed handle is the null handle.
*/
class GdiObject
{
public:
    constexpr GdiObject() = default;

    /*! The handle value; 0 for the null handle. */
    constexpr quint32 handle() const { return m_handle; }
    /*! Whether this is the null handle (a failed call's result). */
    constexpr bool isNull() const { return m_handle == 0; }
    /*! Whether this is a stock object, which is never deleted. */
    constexpr bool isStock() const { return m_handle != 0 && m_handle < FirstCreatedHandle; }

protected:
    friend class GdiSurface;
    friend class GdiSurfacePrivate;
    static constexpr quint32 OwnerPenHandle = 1;
    static constexpr quint32 WhiteBrushHandle = 2;
    static constexpr quint32 FirstCreatedHandle = 16;

    constexpr explicit GdiObject(quint32 handle)
        : m_handle(handle)
    {
    }
    /*! A handle no other object of the process has. */
    static quint32 nextHandle();

private:
    quint32 m_handle = 0;
};

/*! A pen: style, width in pixels (0 and 1 both draw one pixel wide) and colour. */
class GdiPen : public GdiObject
{
public:
    constexpr GdiPen() = default;

    constexpr qint32 style() const { return m_style; }
    constexpr int width() const { return m_width; }
    /*! The pen's colour; for the owner's pen, the foreground colour when it was handed out. */
    constexpr OleColor color() const { return m_color; }
    /*! Whether this is the stock pen of the surface's owner, which draws in its foreground colour. */
    constexpr bool isOwnerPen() const { return handle() == OwnerPenHandle; }

    friend constexpr bool operator==(const GdiPen &a, const GdiPen &b) { return a.handle() == b.handle(); }
    friend constexpr bool operator!=(const GdiPen &a, const GdiPen &b) { return !(a == b); }

private:
    friend class GdiSurface;
    friend class GdiSurfacePrivate;
    constexpr GdiPen(quint32 handle, qint32 style, int width, OleColor color)
        : GdiObject(handle)
        , m_style(style)
        , m_width(width)
        , m_color(color)
    {
    }

    qint32 m_style = Gdi::PS_SOLID;
    int m_width = 1;
    OleColor m_color;
};

/*! A solid brush. */
class GdiBrush : public GdiObject
{
public:
    constexpr GdiBrush() = default;

    constexpr OleColor color() const { return m_color; }

    friend constexpr bool operator==(const GdiBrush &a, const GdiBrush &b) { return a.handle() == b.handle(); }
    friend constexpr bool operator!=(const GdiBrush &a, const GdiBrush &b) { return !(a == b); }

private:
    friend class GdiSurface;
    friend class GdiSurfacePrivate;
    constexpr GdiBrush(quint32 handle, OleColor color)
        : GdiObject(handle)
        , m_color(color)
    {
    }

    OleColor m_color;
};

} // namespace OlvarControls
