// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "dialecttranslator.h"
#include "oleerror.h"
#include "recordset.h"
#include "sessionschema.h"
#include "sqlitetokencheck.h"
#include "testdatabase.h"

#include <QHash>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace {

// A stand-in for the locale's date reader: it knows two texts.
std::optional<OleDate> knownDates(const QString &text)
{
    if (text == QLatin1String("07/03/2026"))
        return OleDate(46088.0);
    if (text == QLatin1String("10:00:00"))
        return OleDate(10.0 / 24.0);
    return std::nullopt;
}

class DialectTranslatorTest : public testing::Test
{
protected:
    TranslatedStatement translate(const char *statement) const
    {
        return DialectTranslator(&schema, knownDates).translate(QString::fromUtf8(statement));
    }
    QString sql(const char *statement) const { return translate(statement).sql; }
    int errorOf(const char *statement) const
    {
        try {
            translate(statement);
        } catch (const OleError &error) {
            return error.number();
        }
        return 0;
    }

    SessionSchema schema;
};

} // namespace

TEST_F(DialectTranslatorTest, DateLiteralsBecomeBoundDayNumbers)
{
    const TranslatedStatement t =
        translate("Select * from tblSession WHERE (SessionDate = #03/07/2026# Or (starttime <= #03/07/2026# "
                  "and endtime >= #10:00:00#))");
    EXPECT_EQ(t.sql,
              QStringLiteral("Select * from tblSession WHERE (SessionDate = ?1 Or (starttime <= ?2 "
                             "and endtime >= ?3))"));
    ASSERT_EQ(t.parameters.size(), 3);
    EXPECT_EQ(t.parameters.at(0).toDouble(), 46088.0);
    EXPECT_EQ(t.parameters.at(1).toDouble(), 46088.0);
    EXPECT_EQ(t.parameters.at(2).toDouble(), OleDate::fromTime(QTime(10, 0)).value());
    EXPECT_FALSE(t.dependsOnContext);
    EXPECT_EQ(errorOf("Select * from t where d = #13/45/2026#"), ErrorNumber::SqlError);
    EXPECT_EQ(errorOf("Select * from t where d = #03/07/2026"), ErrorNumber::SqlError);
}

TEST_F(DialectTranslatorTest, BooleanConstantsAndTrueDivision)
{
    EXPECT_EQ(sql("Update tblSession set Cancelled = true where x = FALSE"),
              QStringLiteral("Update tblSession set Cancelled = 1 where x = 0"));
    // A column or function that happens to be called True is left alone.
    EXPECT_EQ(sql("select t.True, True(1) from t"), QStringLiteral("select t.True, True(1) from t"));
    EXPECT_EQ(sql("SELECT 0.99+([WA]/100), a/b/c FROM x"),
              QStringLiteral("SELECT 0.99+([WA]* 1.0 /100), a* 1.0 /b* 1.0 /c FROM x"));
}

TEST_F(DialectTranslatorTest, NothingInsideStringLiteralsIsTouched)
{
    const char *statement =
        "INSERT INTO tblNote (Note) VALUES ('O''Brien says True/False at #03/07/2026# [SELECT x]. ; -- no')";
    const TranslatedStatement t = translate(statement);
    EXPECT_EQ(t.sql, QString::fromUtf8(statement));
    EXPECT_TRUE(t.parameters.isEmpty());
    EXPECT_EQ(sql("select \"a/b\", [c/d], `True` from t -- True / 2\n"),
              QStringLiteral("select \"a/b\", [c/d], `True` from t -- True / 2\n"));
}

TEST_F(DialectTranslatorTest, DerivedTablesInBracketsBecomeSubqueries)
{
    const TranslatedStatement t =
        translate("SELECT c.ID FROM ([SELECT ID, Count(L) AS WA FROM t WHERE d=#03/07/2026# GROUP BY ID "
                  "HAVING (((ID)=1))]. AS EthRank RIGHT JOIN c ON EthRank.ID = c.ID) WHERE IIf([WA]>0,[WA]/100,0) > 0");
    EXPECT_EQ(t.sql,
              QStringLiteral("SELECT c.ID FROM ((SELECT ID, Count(L) AS WA FROM t WHERE d=?1 GROUP BY ID "
                             "HAVING (((ID)=1))) AS EthRank RIGHT JOIN c ON EthRank.ID = c.ID) "
                             "WHERE IIf([WA]>0,[WA]* 1.0 /100,0) > 0"));
    EXPECT_EQ(t.parameters.size(), 1);
    EXPECT_EQ(sql("select [Selection] from [select]"), QStringLiteral("select [Selection] from [select]"));
    // Right after a name the parenthesis would call a function of that name.
    for (const char *statement :
         {"SELECT count[SELECT 1]. AS q", "SELECT [x] [SELECT 1]. AS q", "SELECT 1 FROM t[SELECT 1]."})
        EXPECT_EQ(errorOf(statement), ErrorNumber::SqlError) << statement;
}

TEST_F(DialectTranslatorTest, OneStatementOnly)
{
    EXPECT_EQ(sql("SELECT * FROM t ORDER BY a DESC; "), QStringLiteral("SELECT * FROM t ORDER BY a DESC"));
    EXPECT_EQ(sql("SELECT 1;;"), QStringLiteral("SELECT 1"));
    EXPECT_EQ(errorOf("SELECT 1; DELETE FROM t"), ErrorNumber::SqlError);
    EXPECT_EQ(errorOf("SELECT * FROM t WHERE a = ?"), ErrorNumber::SqlError);
    EXPECT_EQ(errorOf("SELECT 'open"), ErrorNumber::SqlError);
    EXPECT_EQ(errorOf("SELECT [open"), ErrorNumber::SqlError);
}

TEST_F(DialectTranslatorTest, UpdatesLoseTableNamesInSetAndStoreDateTextsAsDates)
{
    const TranslatedStatement t =
        translate("UPDATE tblSession SET tblSession.SessionDate ='07/03/2026', Notes ='10:00:00', "
                  "[StartTime]='10:00:00', Cancelled = False where SessionID=5");
    EXPECT_EQ(t.sql,
              QStringLiteral("UPDATE tblSession SET SessionDate =?1, Notes ='10:00:00', "
                             "[StartTime]=?2, Cancelled = 0 where SessionID=5"));
    ASSERT_EQ(t.parameters.size(), 2);
    EXPECT_EQ(t.parameters.at(0).toDouble(), 46088.0);
    EXPECT_EQ(t.parameters.at(1).toDouble(), 10.0 / 24.0);
    EXPECT_TRUE(t.dependsOnContext);
    // Values that are expressions, and WHERE clauses, are not converted.
    EXPECT_EQ(sql("UPDATE tblSession SET StartTime = EndTime WHERE StartTime = '10:00:00'"),
              QStringLiteral("UPDATE tblSession SET StartTime = EndTime WHERE StartTime = '10:00:00'"));
}

TEST_F(DialectTranslatorTest, InsertsStoreDateTextsAsDates)
{
    const TranslatedStatement t = translate(
        "INSERT INTO tblSession (SessionDate, Notes, StartTime) VALUES ('07/03/2026', 'it''s 07/03/2026', '10:00:00')");
    EXPECT_EQ(t.sql,
              QStringLiteral("INSERT INTO tblSession (SessionDate, Notes, StartTime) VALUES (?1, "
                             "'it''s 07/03/2026', ?2)"));
    EXPECT_EQ(t.parameters.size(), 2);
    // Without a column list the table's own order counts; several rows at once.
    const TranslatedStatement positional =
        translate("insert into tblSession values (1, '07/03/2026', '10:00:00', 'x', 0), (2, Null, '10:00:00', '', 1)");
    EXPECT_EQ(positional.sql,
              QStringLiteral("insert into tblSession values (1, ?1, ?2, 'x', 0), (2, Null, ?3, '', 1)"));
    // Other tables are not converted.
    EXPECT_EQ(sql("INSERT INTO tblOther (SessionDate) VALUES ('tomorrow')"),
              QStringLiteral("INSERT INTO tblOther (SessionDate) VALUES ('tomorrow')"));
}

TEST_F(DialectTranslatorTest, TextsThatAreNoDatesAreTypeMismatches)
{
    EXPECT_EQ(errorOf("UPDATE tblSession SET StartTime='10:00:00 XM' WHERE SessionID=1"),
              ErrorNumber::DataTypeMismatch);
    EXPECT_EQ(errorOf("INSERT INTO tblSession (Notes, SessionDate) VALUES ('a', '')"), ErrorNumber::DataTypeMismatch);
    // Without a schema nothing is asked or converted.
    const TranslatedStatement t =
        DialectTranslator(nullptr, knownDates).translate(QStringLiteral("UPDATE tblSession SET StartTime='x'"));
    EXPECT_EQ(t.sql, QStringLiteral("UPDATE tblSession SET StartTime='x'"));
    EXPECT_FALSE(t.dependsOnContext);
}

TEST_F(DialectTranslatorTest, WrittenTextNeverJoinsItsNeighbours)
{
    // "/" twice would open a comment; a parameter before a digit would become another parameter.
    EXPECT_EQ(sql("DELETE FROM t WHERE a//2 = 1"), QStringLiteral("DELETE FROM t WHERE a* 1.0 / * 1.0 /2 = 1"));
    const TranslatedStatement dated = translate("UPDATE t SET b = #03/07/2026#0");
    EXPECT_EQ(dated.sql, QStringLiteral("UPDATE t SET b = ?1 0"));
    EXPECT_EQ(dated.parameters.size(), 1);
    EXPECT_EQ(sql("SELECT 0True"), QStringLiteral("SELECT 0 1"));
    // A table name dropped from SET leaves the column apart from the keyword.
    EXPECT_EQ(sql("UPDATE tblSession SET[tblSession].Notes='x'"), QStringLiteral("UPDATE tblSession SET Notes='x'"));
}

TEST_F(DialectTranslatorTest, EveryParameterMarkerIsRefused)
{
    for (const char *statement : {"UPDATE t SET b = $x", "UPDATE t SET b = @\u20ac", "UPDATE t SET b = :\u20ac",
                                  "SELECT @", "SELECT a FROM t WHERE b = : ", "SELECT $1"}) {
        EXPECT_EQ(errorOf(statement), ErrorNumber::SqlError) << statement;
    }
    // A dollar inside a name is part of the name, as is any character beyond ASCII but a blank.
    EXPECT_EQ(sql("SELECT a$b, Temp\u00b0C FROM t"), QStringLiteral("SELECT a$b, Temp\u00b0C FROM t"));
    const QString names = QStringLiteral("SELECT a$b, Temp\u00b0C");
    EXPECT_EQ(errorNumberOf([&] { SqliteTokenCheck::verify(DialectTranslator(nullptr, {}).translate(names)); }), 0);
}

TEST_F(DialectTranslatorTest, BracketedNamesEndAtTheirFirstClosingBracket)
{
    const TranslatedStatement t = translate("SELECT [it's] FROM t WHERE d = #03/07/2026# AND n <> 'x]'");
    EXPECT_EQ(t.sql, QStringLiteral("SELECT [it's] FROM t WHERE d = ?1 AND n <> 'x]'"));
    EXPECT_EQ(sql("UPDATE t SET [it's] = a/2 WHERE b = ']' -- '"),
              QStringLiteral("UPDATE t SET [it's] = a* 1.0 /2 WHERE b = ']' -- '"));
    // A derived table holds literals and names that contain "]" and apostrophes.
    EXPECT_EQ(sql("SELECT * FROM [SELECT [it's], ']' AS c FROM t]. AS q"),
              QStringLiteral("SELECT * FROM (SELECT [it's], ']' AS c FROM t) AS q"));
}

TEST_F(DialectTranslatorTest, ACommentAtTheEndOfADerivedTableKeepsItsParenthesis)
{
    EXPECT_EQ(sql("SELECT COUNT(*) FROM [SELECT a FROM t -- the rows]. AS q WHERE a > 1"),
              QStringLiteral("SELECT COUNT(*) FROM (SELECT a FROM t -- the rows\n) AS q WHERE a > 1"));
}

namespace {

// t(a, b, d, "it's") with a = 1 to 4, on a real file.
class FaithfulTranslationTest : public testing::Test
{
protected:
    FaithfulTranslationTest()
        : db({QStringLiteral("CREATE TABLE t (a INTEGER, b TEXT, d DATETIME, \"it's\" INTEGER DEFAULT 0)"),
              QStringLiteral("INSERT INTO t (a, b) VALUES (1, 'one'), (2, 'two'), (3, 'three'), (4, 'four')")})
    {
    }

    int errorOf(const QString &statement) const
    {
        return errorNumberOf([&] { db.open().Execute(statement); });
    }
    QString rows() const
    {
        return db
            .scalar(QStringLiteral("SELECT group_concat(a || ':' || ifnull(b, 'null') || ':' || \"it's\", ',') "
                                   "FROM t"))
            .toString();
    }

    TestDatabase db;
    const QString untouched = QStringLiteral("1:one:0,2:two:0,3:three:0,4:four:0");
};

} // namespace

TEST_F(FaithfulTranslationTest, StatementsThatWouldRunAsSomethingElseAreRefusedAndChangeNothing)
{
    const QString statements[] = {
        QStringLiteral("DELETE FROM t WHERE a//2 = 1"), // would run as "a" alone: 3 rows of 4 deleted
        QStringLiteral("UPDATE t SET b = #01/01/2000#0"), // would store ?10, an unbound NULL
        QStringLiteral("UPDATE t SET b = b & 'x'"), // a text join read as bitwise AND: would store 0
        QStringLiteral("UPDATE t SET b = $x"), // would bind NULL to $x
        QStringLiteral("UPDATE t SET b = @\u20ac"), // and to @€
        QStringLiteral("UPDATE t SET b = :\u20ac"), // and to :€
        // SQLite reads no further than U+0000: it would delete every row above 1.
        QStringLiteral("DELETE FROM t WHERE a > 1 ") + QChar(0) + QStringLiteral(" AND a < 3"),
        // A lone surrogate does not reach SQLite as it is written.
        QStringLiteral("UPDATE t SET b = 'lone ") + QChar(0xD800) + QStringLiteral("'"),
    };
    for (const QString &statement : statements) {
        EXPECT_EQ(errorOf(statement), ErrorNumber::SqlError) << qPrintable(statement);
        EXPECT_EQ(rows(), untouched) << qPrintable(statement);
    }
}

TEST_F(FaithfulTranslationTest, BracketedNamesAndDerivedTablesMeanWhatTheySay)
{
    // Real division: only a = 2 gives 1, where SQLite's integer division would also take a = 3.
    db.open().Execute(QStringLiteral("UPDATE t SET [it's] = 1 WHERE a/2 = 1 OR b = ']' -- '"));
    EXPECT_EQ(rows(), QStringLiteral("1:one:0,2:two:1,3:three:0,4:four:0"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM [SELECT a FROM t WHERE a > 1 -- the later rows]. AS q")),
              3);
}
