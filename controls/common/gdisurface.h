// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "gdiobjects.h"
#include "olecolor.h"
#include "olvarglobal.h"

#include <QFont>
#include <QImage>
#include <QPalette>
#include <QPoint>
#include <QSize>

#include <memory>

QT_BEGIN_NAMESPACE
class QPainter;
QT_END_NAMESPACE

namespace OlvarControls {

class GdiSurfacePrivate;

/*!
    A control's persistent drawing surface: an image of the client size, one
    image pixel per client pixel, drawn with the platform's drawing calls and
    their pixel rules.

    On a high-resolution screen the image holds devicePixelRatio() device
    pixels per client pixel. Sizes, coordinates and the pixel rules below stay
    in client (logical) pixels: each logical pixel a rule sets covers its block
    of device pixels, while text and wide lines are drawn at the device
    resolution. At ratio 1 the two are the same.

    - FillRect() fills columns left to right - 1 and rows top to bottom - 1.
    - LineTo() draws a one-pixel line from the current position up to, but not
      including, its end point, and moves the current position there. Lines
      touch the same pixels as the platform's one-pixel pen: horizontal,
      vertical and diagonal lines exactly, other slopes one pixel per step of
      the longer axis, halves rounded towards the start.
    - Text cells have their top-left corner at the given point; an opaque
      background fills the whole cell. Text is drawn without antialiasing, in
      the colours given, with the metrics of font().

    Drawing outside the surface is clipped; any coordinates are accepted.
    System colours (0x80 in the high byte) are resolved through palette().

    The surface belongs to an owner with a fixed foreground colour
    (foreColor()): the owner's pen, which is selected at the start, draws in
    it, and setting it sets the text colour too. Pens and brushes are immutable
    values; the surface counts the objects created on it and not yet deleted.
*/
class GdiSurface
{
public:
    /*! A surface of \a size pixels, cleared to backColor(). */
    explicit GdiSurface(QSize size = QSize(0, 0));
    ~GdiSurface();
    GdiSurface(const GdiSurface &) = delete;
    GdiSurface &operator=(const GdiSurface &) = delete;

    /*! The size in (logical) pixels. */
    QSize size() const;
    /*! Changes the size, keeping the drawing at the top-left; new pixels get backColor().
        Raises error 5 for a negative size and error 7 when the image cannot be allocated. */
    void resize(QSize size);
    /*! Device pixels per logical pixel along each axis; 1 by default. */
    qreal devicePixelRatio() const;
    /*! Changes the ratio, keeping the drawing (rescaled) at the top-left. Raises error 5
        for a ratio below 1, above 16 or not finite, and error 7 as resize() does. */
    void setDevicePixelRatio(qreal ratio);
    /*! The drawing, in device pixels, with the image's device pixel ratio set. */
    const QImage &image() const;
    /*! Fills the whole surface with backColor(). */
    void clear();

    /*! The colour clear() and resize() fill with (white by default). */
    OleColor backColor() const;
    void setBackColor(OleColor color);
    /*! The owner's foreground colour (black by default): the owner's pen and, once set, the text colour. */
    OleColor foreColor() const;
    void setForeColor(OleColor color);
    /*! The font text is drawn and measured with. */
    QFont font() const;
    void setFont(const QFont &font);
    /*! The palette system colours are taken from (the application's by default). */
    QPalette palette() const;
    void setPalette(const QPalette &palette);

    /*! A pen of \a style (Gdi::PenStyle), \a width pixels and \a color. Styled pens wider than
        one pixel draw solid. Raises error 5 for an unknown style or a negative width. */
    GdiPen CreatePen(qint32 style, int width, OleColor color);
    /*! A solid brush of \a color. */
    GdiBrush CreateSolidBrush(OleColor color);
    /*! Makes \a pen current and returns the pen it replaced; the null pen for a null or deleted pen. */
    GdiPen SelectObject(const GdiPen &pen);
    /*! Makes \a brush current and returns the brush it replaced; the null brush for a null or deleted brush. */
    GdiBrush SelectObject(const GdiBrush &brush);
    /*! Deletes \a object. Fails for the null handle, an object already deleted or not created
        here, and an object that is selected; stock objects are left alone and succeed. */
    bool DeleteObject(const GdiObject &object);
    /*! The pen lines are drawn with. */
    GdiPen currentPen() const;
    /*! The number of objects created on this surface and not deleted. */
    int liveObjectCount() const;

    /*! Fills \a rect with \a brush; false for a null or deleted brush. */
    bool FillRect(const GdiRect &rect, const GdiBrush &brush);
    bool FillRect(int left, int top, int right, int bottom, const GdiBrush &brush);
    /*! Fills \a rect with \a color through a brush created for this fill and deleted at once. */
    void fillSolidRect(const GdiRect &rect, OleColor color);

    /*! Moves the current position to (\a x, \a y); returns the previous one. */
    QPoint MoveToEx(int x, int y);
    /*! Draws with the current pen from the current position to (\a x, \a y), leaving out the end point. */
    bool LineTo(int x, int y);
    /*! The current position. */
    QPoint currentPosition() const;

    /*! Sets the background mode (Gdi::TRANSPARENT or Gdi::OPAQUE) and returns the previous one;
        raises error 5 for any other value. The surface starts transparent. */
    int SetBkMode(int mode);
    int GetBkMode() const;
    /*! Sets the colour of opaque text cells and pen gaps; returns the previous one. */
    OleColor SetBkColor(OleColor color);
    OleColor GetBkColor() const;
    /*! Sets the text colour; returns the previous one. */
    OleColor SetTextColor(OleColor color);
    OleColor GetTextColor() const;

    /*! Draws \a text on one line with the top-left of its cell at (\a x, \a y). */
    bool TextOutA(int x, int y, const QString &text);
    /*! The width and height of \a text's cell on one line. */
    QSize GetTextExtentPoint32A(const QString &text) const;
    /*!
        Draws \a text into \a rect in \a format (Gdi::DrawTextFormat) and returns the
        height of the text (with DT_VCENTER or DT_BOTTOM on a single line: from the top
        of \a rect to the bottom of the text). With DT_CALCRECT nothing is drawn and
        \a rect gets the right and bottom of the text instead. Raises error 6 when
        those do not fit 32 bits.
    */
    int DrawTextA(const QString &text, GdiRect &rect, quint32 format);

    /*!
        Also draws every later fill, line and text on \a painter (none for
        nullptr), in surface pixels, clipped to the surface, as vectors and
        real text: the painter's transform places and scales them, so a
        printer or PDF painter gets the drawing at its own resolution. Text is
        sized for the surface's 96 dots per inch. The image is drawn as always.
    */
    void setMirror(QPainter *painter);

    /*! The colour of the pixel at (\a x, \a y); 0xFFFFFFFF outside the surface. */
    OleColor GetPixel(int x, int y) const;
    /*! Sets the pixel at (\a x, \a y) to \a color; false outside the surface. */
    bool SetPixelV(int x, int y, OleColor color);

private:
    std::unique_ptr<GdiSurfacePrivate> d;
};

} // namespace OlvarControls
