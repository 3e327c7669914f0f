// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QColor>
#include <QMetaType>
#include <QPalette>

namespace OlvarControls {

/*!
    A 32-bit OLE colour: red in the low byte, then green, then blue. A value whose
    high byte is 0x80 names a system colour by the index in its low byte
    (0x80000005 is the window background).
*/
class OLVAR_EXPORT OleColor
{
public:
    /*! System colour indices the controls use. */
    enum SystemIndex : quint8 {
        ScrollBar = 0,
        Desktop = 1,
        ActiveCaption = 2,
        InactiveCaption = 3,
        Menu = 4,
        Window = 5,
        WindowFrame = 6,
        MenuText = 7,
        WindowText = 8,
        CaptionText = 9,
        ActiveBorder = 10,
        InactiveBorder = 11,
        AppWorkspace = 12,
        Highlight = 13,
        HighlightText = 14,
        ButtonFace = 15,
        ButtonShadow = 16,
        GrayText = 17,
        ButtonText = 18,
        InactiveCaptionText = 19,
        ButtonHighlight = 20,
        DarkShadow3D = 21,
        Light3D = 22,
        InfoText = 23,
        InfoBackground = 24,
    };

    constexpr OleColor() = default;
    /*! The colour whose OLE value is \a value; explicit, as 0xFF0000 is blue here. See fromOle(). */
    constexpr explicit OleColor(quint32 value)
        : m_value(value)
    {
    }
    /*! The same colour as \a color (its alpha is dropped), so that a QColor fits wherever an OleColor is taken. */
    OleColor(const QColor &color)
        : m_value(fromQColor(color).m_value)
    {
    } // NOLINT: implicit on purpose
    /*! Not a colour: Qt::red would otherwise become the OLE value 7. Use QColor(Qt::red). */
    OleColor(Qt::GlobalColor) = delete;

    /*! The colour whose OLE value is \a value: red in the low byte, 0x80000000 | n the system colour n. */
    static constexpr OleColor fromOle(quint32 value) { return OleColor(value); }

    /*! The colour of \a red, \a green and \a blue (0 to 255 each). */
    static constexpr OleColor fromRgb(int red, int green, int blue)
    {
        return OleColor(quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16);
    }
    /*! The system colour with the index \a index. */
    static constexpr OleColor system(quint8 index) { return OleColor(0x80000000u | index); }
    /*! The OLE colour of \a color (its alpha is dropped). */
    static OleColor fromQColor(const QColor &color);

    /*! The 32-bit value. */
    constexpr quint32 value() const { return m_value; }
    /*! Whether the value names a system colour. */
    constexpr bool isSystemColor() const { return (m_value & 0xFF000000u) == 0x80000000u; }
    /*! The system colour index (meaningful when isSystemColor()). */
    constexpr quint8 systemIndex() const { return quint8(m_value & 0xFF); }

    /*! The red byte (the lowest); of the index for a system colour. */
    constexpr int red() const { return int(m_value & 0xFF); }
    /*! The green byte. */
    constexpr int green() const { return int((m_value >> 8) & 0xFF); }
    /*! The blue byte. */
    constexpr int blue() const { return int((m_value >> 16) & 0xFF); }

    /*! The colour to draw with: system colours through \a palette, others as they are. */
    QColor toQColor(const QPalette &palette) const;
    /*! The colour to draw with, system colours through the application palette. */
    QColor toQColor() const;

    /*! The palette role that stands in for the system colour \a index. */
    static QPalette::ColorRole paletteRole(quint8 index);

    /*! The same 32-bit value: a system colour never equals the RGB colour it shows. */
    friend constexpr bool operator==(OleColor a, OleColor b) { return a.m_value == b.m_value; }
    /*! Different 32-bit values. */
    friend constexpr bool operator!=(OleColor a, OleColor b) { return a.m_value != b.m_value; }

private:
    quint32 m_value = 0;
};

} // namespace OlvarControls

Q_DECLARE_METATYPE(OlvarControls::OleColor)
