// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

#include "dialecttranslator.h"
#include "olvarglobal.h"
#include "sqltokenizer.h"

#include <QList>
#include <QStringView>

namespace OlvarControls::DataAccess {

/*!
    Checks a translation against SQLite's own reading of it, so that no
    statement runs that means something other than what the translator wrote:
    text that SQLite would read as a comment, a parameter, a longer name or
    number, or a string ending elsewhere.
*/
class SqliteTokenCheck
{
public:
    /*!
        The tokens of \a sql as SQLite's tokenizer splits them. Reading stops at
        U+0000, as SQLite's does; what SQLite refuses is an Illegal token.
    */
    static QList<SqlToken> tokenize(QStringView sql);

    /*!
        Raises error -2147217900 unless SQLite reads \a translated.sql as exactly
        the tokens \a translated.tokens, as one complete statement of valid Unicode.
    */
    static void verify(const TranslatedStatement &translated);
};

} // namespace OlvarControls::DataAccess
