// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "virtualkeys.h"

#include <QKeyEvent>
#include <QString>

#include <utility>

namespace OlvarControls {

namespace {

using KeyEntry = std::pair<int, qint16>;

// Keys whose number does not follow from a range.
constexpr KeyEntry KeyTable[] = {
    {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},
    {Qt::Key_Backtab, 9},      {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},      {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},       {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},         {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20},    {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},       {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},        {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},          {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},        {Qt::Key_Select, 41},
    {Qt::Key_Print, 44},       {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},      {Qt::Key_Help, 47},
    {Qt::Key_Meta, 91},        {Qt::Key_Menu, 93},
    {Qt::Key_Sleep, 95},       {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145}, {Qt::Key_Semicolon, 186},
    {Qt::Key_Colon, 186},      {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},       {Qt::Key_Comma, 188},
    {Qt::Key_Less, 188},       {Qt::Key_Minus, 189},
    {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},    {Qt::Key_Slash, 191},
    {Qt::Key_Question, 191},   {Qt::Key_QuoteLeft, 192},
    {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},  {Qt::Key_Backslash, 220},
    {Qt::Key_Bar, 220},        {Qt::Key_BracketRight, 221},
    {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},   {Qt::Key_Exclam, 49},
    {Qt::Key_At, 50},          {Qt::Key_NumberSign, 51},
    {Qt::Key_Dollar, 52},
};

// The rest of the shifted digit row of a US layout: %, ^, &, *, (, ).
constexpr KeyEntry ShiftedDigits[] = {
    {Qt::Key_Percent, 53},  {Qt::Key_AsciiCircum, 54}, {Qt::Key_Ampersand, 55},
    {Qt::Key_Asterisk, 56}, {Qt::Key_ParenLeft, 57},   {Qt::Key_ParenRight, 48},
};

// Keypad keys that are not digits.
constexpr KeyEntry KeypadTable[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

template <std::size_t N>
qint16 lookUp(const KeyEntry (&table)[N], int key)
{
    for (const KeyEntry &entry : table) {
        if (entry.first == key)
            return entry.second;
    }
    return 0;
}

} // namespace

qint16 VirtualKeys::keyCode(int key, Qt::KeyboardModifiers modifiers)
{
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return qint16(96 + (key - Qt::Key_0));
        if (const qint16 code = lookUp(KeypadTable, key))
            return code;
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return qint16(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return qint16(112 + (key - Qt::Key_F1));
    if (const qint16 code = lookUp(KeyTable, key))
        return code;
    return lookUp(ShiftedDigits, key);
}

qint16 VirtualKeys::keyCode(const QKeyEvent *event)
{
    return keyCode(event->key(), event->modifiers());
}

qint16 VirtualKeys::keyAscii(const QString &text)
{
    if (text.isEmpty())
        return 0;
    const char16_t code = text.at(0).unicode();
    return code <= 0xFF ? qint16(code) : qint16('?');
}

qint16 VirtualKeys::shiftState(Qt::KeyboardModifiers modifiers)
{
    qint16 state = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        state |= ShiftMask;
    if (modifiers.testFlag(Qt::ControlModifier))
        state |= CtrlMask;
    if (modifiers.testFlag(Qt::AltModifier))
        state |= AltMask;
    return state;
}

qint16 VirtualKeys::buttons(Qt::MouseButtons buttons)
{
    qint16 bits = 0;
    if (buttons.testFlag(Qt::LeftButton))
        bits |= LeftButton;
    if (buttons.testFlag(Qt::RightButton))
        bits |= RightButton;
    if (buttons.testFlag(Qt::MiddleButton))
        bits |= MiddleButton;
    return bits;
}

} // namespace OlvarControls
