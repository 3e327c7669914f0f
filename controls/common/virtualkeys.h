// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <Qt>

class QKeyEvent;
class QMouseEvent;
class QString;

namespace OlvarControls {

/*!
    Keyboard and mouse input in the platform's numbers, as the controls pass it
    to their hosts' KeyDown, KeyPress, KeyUp and mouse events.

    Key codes are the virtual-key numbers: letters 65 to 90, digits 48 to 57,
    the arrows 37 (left) to 40 (down), F1 to F24 112 to 135, the numeric keypad
    96 to 111 and the punctuation keys of a US layout 186 to 222. A shifted
    symbol gives the key it is typed with ("!" is 49). Keys without a number
    give 0.
*/
class VirtualKeys
{
public:
    VirtualKeys() = delete;

    /*! Shift-state bits. */
    static constexpr qint16 ShiftMask = 1;
    static constexpr qint16 CtrlMask = 2;
    static constexpr qint16 AltMask = 4;

    /*! Button numbers. */
    static constexpr qint16 LeftButton = 1;
    static constexpr qint16 RightButton = 2;
    static constexpr qint16 MiddleButton = 4;

    /*! The virtual-key number of the Qt key \a key; \a modifiers tell keypad keys apart. */
    static qint16 keyCode(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    /*! The virtual-key number of the key of \a event. */
    static qint16 keyCode(const QKeyEvent *event);
    /*! The character code of a typed \a text: its first character, 63 ("?") beyond 255, 0 for none. */
    static qint16 keyAscii(const QString &text);
    /*! The Shift, Ctrl and Alt bits of \a modifiers. */
    static qint16 shiftState(Qt::KeyboardModifiers modifiers);
    /*! The button bits of \a buttons (left 1, right 2, middle 4). */
    static qint16 buttons(Qt::MouseButtons buttons);
};

} // namespace OlvarControls
