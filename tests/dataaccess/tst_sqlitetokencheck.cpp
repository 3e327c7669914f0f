#include "dialecttranslator.h"
#include "errornumberof.h"
#include "sqlitetokencheck.h"

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace {

// The significant tokens of SQLite's reading, as "kind:text" pieces.
QStringList reading(const QString &sql)
{
    QStringList pieces;
    for (const SqlToken &token : SqliteTokenCheck::tokenize(sql)) {
        if (token.isSignificant())
            pieces.append(QString::number(token.kind) + QLatin1Char(':') + token.text(sql).toString());
    }
    return pieces;
}

QString piece(SqlToken::Kind kind, const QString &text)
{
    return QString::number(kind) + QLatin1Char(':') + text;
}

int verifyError(const QString &statement)
{
    return errorNumberOf([&] { SqliteTokenCheck::verify(DialectTranslator(nullptr, {}).translate(statement)); });
}

} // namespace

TEST(SqliteTokenCheck, ReadsAsSqliteDoes)
{
    EXPECT_EQ(reading(QStringLiteral("a* 1.0 /* 1.0 /2")),
              (QStringList{piece(SqlToken::Word, QStringLiteral("a")), piece(SqlToken::Operator, QStringLiteral("*")),
                           piece(SqlToken::Number, QStringLiteral("1.0"))}));
    EXPECT_EQ(reading(QStringLiteral("?10 $a::b(c) @\u20ac #x :")),
              (QStringList{piece(SqlToken::Parameter, QStringLiteral("?10")),
                           piece(SqlToken::Parameter, QStringLiteral("$a::b(c)")),
                           piece(SqlToken::Parameter, QStringLiteral("@\u20ac")),
                           piece(SqlToken::Parameter, QStringLiteral("#x")), piece(SqlToken::Illegal, QStringLiteral(":"))}));
    EXPECT_EQ(reading(QStringLiteral("[it's] 'x]' \"q\"\"\" x'41' 1e 0x1F .5 a\u00a0b")),
              (QStringList{piece(SqlToken::BracketName, QStringLiteral("[it's]")),
                           piece(SqlToken::String, QStringLiteral("'x]'")),
                           piece(SqlToken::QuotedName, QStringLiteral("\"q\"\"\"")),
                           piece(SqlToken::Illegal, QStringLiteral("x'41'")), piece(SqlToken::Illegal, QStringLiteral("1e")),
                           piece(SqlToken::Number, QStringLiteral("0x1F")), piece(SqlToken::Number, QStringLiteral(".5")),
                           piece(SqlToken::Word, QStringLiteral("a\u00a0b"))}));
    EXPECT_EQ(reading(QStringLiteral("a ->> b\v-- c\n\v") + QChar(0) + QStringLiteral("d")),
              (QStringList{piece(SqlToken::Word, QStringLiteral("a")), piece(SqlToken::Operator, QStringLiteral("->>")),
                           piece(SqlToken::Word, QStringLiteral("b")), piece(SqlToken::Illegal, QStringLiteral("\v"))}));
}

TEST(SqliteTokenCheck, RefusesWhatSqliteWouldReadOtherwise)
{
    EXPECT_EQ(verifyError(QStringLiteral("SELECT a, 'b', [c], \"d\", #03/07/2026# + 2.5 /* e */ -- f")), 0);
    const QString statements[] = {
        QStringLiteral("SELECT a\u00a0b FROM t"),                     // one name to SQLite
        QStringLiteral("SELECT x'41'"),                               // a blob to SQLite
        QStringLiteral("SELECT 1 ") + QChar(0) + QStringLiteral(", 2"), // SQLite stops at U+0000
        QStringLiteral("SELECT 'a") + QChar(0xDC00) + QStringLiteral("'"),
        QStringLiteral("SELECT 1 FROM t WHERE a ! b"),
    };
    for (const QString &statement : statements) {
        EXPECT_EQ(verifyError(statement), ErrorNumber::SqlError) << qPrintable(statement);
    }
    // Tokens that differ from the translator's account are refused, even where the text is fine.
    TranslatedStatement forged{QStringLiteral("SELECT ab"), {}, false,
                               {SqlToken{SqlToken::Word, 0, 6}, SqlToken{SqlToken::Word, 7, 1}, SqlToken{SqlToken::Word, 8, 1}}};
    EXPECT_EQ(errorNumberOf([&] { SqliteTokenCheck::verify(forged); }), ErrorNumber::SqlError);
}
