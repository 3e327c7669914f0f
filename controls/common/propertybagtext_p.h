// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "propertybag.h"

namespace OlvarControls {

/*!
    \internal
    The text form of a PropertyBag:

    \code
    OlvarControls.PropertyBag 1
    BackColor: color 0x80000005
    DateFormat: text "dddd mmmm dd, yyyy"
    VScrollValue: int16 224
    End
    \endcode

    After the header, one line per property: the key (bare when it consists of
    letters, digits, '_', '.' and '-', else quoted), a colon, the type and the
    value. Types: text, int16, int32, bool, double, date (the serial value, in
    the range 1 January 100 to 31 December 9999),
    color, font (Qt's font description, quoted), null and empty (no value).
    Quoted texts escape \\ \" \n \r \t and other control characters as \uXXXX.
    The End line guards against a truncated text.
*/
class PropertyBagText
{
public:
    static QString write(const PropertyBag &bag);
    /*! Raises OleError 321 for a damaged \a text, naming the line. */
    static PropertyBag read(const QString &text);
};

} // namespace OlvarControls
