// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "dialecttranslator.h"
#include "errornumberof.h"
#include "sqlitetokencheck.h"

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace {

// The significant tokens of SQLite's reading, as "Kind text" pieces joined by "|".
QString reading(const QString &sql)
{
    static const char *const kinds[] = {"Whitespace",  "Comment",     "Word",      "Number",   "String", "QuotedName",
                                        "BracketName", "DateLiteral", "Parameter", "Operator", "Illegal"};
    QStringList pieces;
    for (const SqlToken &token : SqliteTokenCheck::tokenize(sql)) {
        if (token.isSignificant())
            pieces.append(QLatin1String(kinds[token.kind]) + QLatin1Char(' ') + token.text(sql));
    }
    return pieces.join(QLatin1Char('|'));
}

int verifyError(const QString &statement)
{
    return errorNumberOf([&] { SqliteTokenCheck::verify(DialectTranslator(nullptr, {}).translate(statement)); });
}

} // namespace

TEST(SqliteTokenCheck, ReadsAsSqliteDoes)
{
    EXPECT_EQ(reading(QStringLiteral("a* 1.0 /* 1.0 /2")), QStringLiteral("Word a|Operator *|Number 1.0"));
    EXPECT_EQ(reading(QStringLiteral("?10 $a::b(c) @\u20ac #x :")),
              QStringLiteral("Parameter ?10|Parameter $a::b(c)|Parameter @\u20ac|Parameter #x|Illegal :"));
    EXPECT_EQ(reading(QStringLiteral("[it's] 'x]' \"q\"\"\" x'41' 1e 0x1F .5 a\u00a0b")),
              QStringLiteral("BracketName [it's]|String 'x]'|QuotedName \"q\"\"\"|Illegal x'41'|Illegal 1e|Number 0x1F|"
                             "Number .5|Word a\u00a0b"));
    // SQLite reads no further than U+0000; a vertical tab is a blank only after another blank.
    EXPECT_EQ(reading(QStringLiteral("a ->> b\v-- c\n\v") + QChar(0) + QStringLiteral("d")),
              QStringLiteral("Word a|Operator ->>|Word b|Illegal \v"));
}

TEST(SqliteTokenCheck, RefusesWhatSqliteWouldReadOtherwise)
{
    EXPECT_EQ(verifyError(QStringLiteral("SELECT a, 'b', [c], \"d\", #03/07/2026# + 2.5 /* e */ -- f")), 0);
    const QString statements[] = {
        QStringLiteral("SELECT a\u00a0b FROM t"), // one name to SQLite
        QStringLiteral("SELECT x'41'"), // a blob to SQLite
        QStringLiteral("SELECT 1 ") + QChar(0) + QStringLiteral(", 2"), // SQLite stops at U+0000
        QStringLiteral("SELECT 'a") + QChar(0xDC00) + QStringLiteral("'"),
        QStringLiteral("SELECT 1 FROM t WHERE a ! b"),
    };
    for (const QString &statement : statements) {
        EXPECT_EQ(verifyError(statement), ErrorNumber::SqlError) << qPrintable(statement);
    }
    // Tokens that differ from the translator's account are refused, even where the text is fine.
    const TranslatedStatement forged{
        QStringLiteral("SELECT ab"),
        {},
        false,
        {SqlToken{SqlToken::Word, 0, 6}, SqlToken{SqlToken::Word, 7, 1}, SqlToken{SqlToken::Word, 8, 1}}};
    EXPECT_EQ(errorNumberOf([&] { SqliteTokenCheck::verify(forged); }), ErrorNumber::SqlError);
}
