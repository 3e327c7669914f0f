// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QString>
#include <QVariant>

namespace OlvarControls {

class OleColor;
class OleDate;

/*!
    Numbers converted as the component platform converts them: rounding halves
    to even, the leading number of a text, and variants turned into integers,
    doubles and Booleans with the platform's errors.

    The variant conversions take Empty as 0, raise OleError 94 (invalid use of
    Null) for Null and 13 (type mismatch) for a text that is no number; true is
    -1 and false 0; dates count as their serial value, colours as their 32-bit
    value.
*/
class NumberConversion
{
public:
    /*! \a value rounded to the nearest integer, halves to the even one (2.5 gives 2). Throws OleError 6 when it does not fit. */
    static qint64 roundHalfEven(double value);

    /*!
        The number at the start of \a text, 0 when there is none: blanks anywhere
        are skipped, then a sign, digits, a "." and a fraction, an exponent
        ("1e3", "1d3"), or "&H" hexadecimal and "&O" octal digits. Reading stops
        at the first character that does not fit: "9." is 9, "12ab" 12, "ab" 0.
        Throws OleError 6 for a number too large for a double.
    */
    static double leadingNumber(const QString &text);

    /*! \a value as a 16-bit integer, rounded half to even. Throws OleError 6 when out of range. */
    static qint16 toInt16(const QVariant &value);
    /*! \a value as a 32-bit integer, rounded half to even. Throws OleError 6 when out of range. */
    static qint32 toInt32(const QVariant &value);
    /*! \a value as a double. */
    static double toDouble(const QVariant &value);
    /*!
        \a value as a colour: an OleColor or QColor as it is, else a number from
        -2^31 to 2^32 - 1 taken as its 32 bits (so -2147483643 and 0x80000005 are
        both the window colour). Throws OleError 6 outside that range.
    */
    static OleColor toColor(const QVariant &value);
    /*!
        \a value as a date: a date as it is, a text read by DateText::toDate(),
        else a number as the serial day count.
    */
    static OleDate toDate(const QVariant &value);
    /*! \a value as a Boolean: any number but 0 is true; the texts "True" and "False" in any case count too. */
    static bool toBoolean(const QVariant &value);

    /*! Whether \a text, trimmed, is an optional sign and digits that fit a 32-bit integer. */
    static bool isWholeNumber(const QString &text);
};

} // namespace OlvarControls
