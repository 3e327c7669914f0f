// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "olvarglobal.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace OlvarControls::DataAccess {

/*! One piece of a statement text. */
struct SqlToken
{
    enum Kind {
        Whitespace, //!< blanks, line breaks
        Comment, //!< -- to the end of the line, or /* ... */
        Word, //!< a keyword or a bare identifier
        Number, //!< a numeric literal
        String, //!< '...' with '' standing for one apostrophe
        QuotedName, //!< "..." or `...`
        BracketName, //!< [...]; may hold a whole derived table, [SELECT ...]
        DateLiteral, //!< #...#
        Parameter, //!< ?, ?NNN, :name, @name, $name; a marker alone too
        Operator, //!< operators and punctuation: ( ) , ; . = <> <= || ...
        Illegal, //!< only in SQLite's reading (SqliteTokenCheck): what it refuses, or a blob x'..'
    };

    Kind kind = Whitespace;
    qsizetype start = 0; //!< offset in the statement text
    qsizetype length = 0; //!< length in the statement text

    /*! The token's text in \a source, the statement it was read from. */
    QStringView text(QStringView source) const { return source.mid(start, length); }
    /*! Whether the token is the word \a word, in any case. */
    bool isWord(QStringView source, QLatin1String word) const;
    /*! Whether the token is the operator \a op. */
    bool isOperator(QStringView source, QLatin1String op) const;
    /*! Whether the token carries meaning (is neither whitespace nor a comment). */
    bool isSignificant() const { return kind != Whitespace && kind != Comment; }
};

/*!
    Splits a statement into tokens. The tokens cover the text without gaps, so the
    text is the concatenation of their pieces; string literals, quoted names,
    bracketed names and date literals are single tokens whose insides are never
    looked at again.
*/
class SqlTokenizer
{
public:
    /*! The tokens of \a statement. An unterminated literal or name raises error -2147217900. */
    static QList<SqlToken> tokenize(QStringView statement);

    /*! Whether \a text starts with a bracket that holds a derived table, "[SELECT ...". */
    static bool opensDerivedTable(QStringView text);
};

} // namespace OlvarControls::DataAccess
