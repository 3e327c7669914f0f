// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QList>
#include <QString>

#include <optional>

namespace OlvarControls {

/*! One number or word of a date text and the separators written before it. */
struct DateTextToken
{
    enum Kind { Number, Word };

    Kind kind = Number;
    /*! The digits or letters as written. */
    QString text;
    /*! The value of a number; numbers too long for any date field read as 99999. */
    int value = 0;
    /*!
        The separators between the previous token and this one, runs of blanks
        written as one blank: "" (none), " ", "/", " - ", ...
    */
    QString gap;
};

/*!
    Splits a date text into numbers and words. Blanks, tabs and commas separate;
    "/", "-", "." and ":" are kept as separators, except dots inside or right
    after a word ("p.m.", "Jan."), which belong to it and are dropped. Direction
    marks are skipped. Digits and letters of every script count, those outside
    the basic plane included; the marks that join a word's letters belong to
    it. A dot may end the text; any other separator there, or a character no
    date uses, makes the text unreadable.
*/
class DateTextTokenizer
{
public:
    /*! The tokens of \a text, or nothing when it holds a character no date uses. */
    static std::optional<QList<DateTextToken>> tokenize(QStringView text);
};

} // namespace OlvarControls
