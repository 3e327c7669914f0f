// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "connection.h"
#include "oledate.h"
#include "oleerror.h"
#include "olevariant.h"
#include "recordset.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace {

const QStringList sessions = {
    QStringLiteral("CREATE TABLE tblSession (SessionID INTEGER PRIMARY KEY AUTOINCREMENT, SessionDate DATETIME, "
                   "StartTime DATETIME, SessionDescription TEXT, AdditionalNotes TEXT, Cancelled BOOLEAN NOT NULL "
                   "DEFAULT 0, Fee REAL, Reference INTEGER)"),
    QStringLiteral("CREATE TABLE tblCounsellerSessionLink (LinkID INTEGER PRIMARY KEY, CounsellerID INTEGER, "
                   "SessionID INTEGER)"),
    QStringLiteral("INSERT INTO tblSession VALUES (1, 46088, 0.375, 'Intake', '', 0, 45.5, 5000000000)"),
    QStringLiteral("INSERT INTO tblSession VALUES (2, 46088, 0.5, 'Review', Null, 1, Null, 7)"),
    QStringLiteral("INSERT INTO tblSession VALUES (3, 46089, 0.625, 'Group', 'Bring notes', 0, 10, Null)"),
    QStringLiteral("INSERT INTO tblCounsellerSessionLink VALUES (10, 12, 1)"),
    QStringLiteral("INSERT INTO tblCounsellerSessionLink VALUES (11, 12, 3)"),
    QStringLiteral("CREATE VIEW vwIntake AS SELECT SessionID, SessionDescription FROM tblSession WHERE SessionID = 1"),
};

class RecordsetTest : public testing::TestWithParam<TestEngine>
{
protected:
    void SetUp() override
    {
        OLVAR_REQUIRE_DATABASE(db);
        connection = db.open();
    }

    Recordset open(const QString &source, int cursorType = -1, int lockType = -1, int options = -1,
                   int location = adUseServer)
    {
        Recordset rs;
        rs.setCursorLocation(location);
        rs.Open(source, connection, cursorType, lockType, options);
        return rs;
    }

    QList<int> identifiers(Recordset &rs)
    {
        QList<int> ids;
        for (; !rs.Eof(); rs.MoveNext())
            ids.append(rs.Fields(QStringLiteral("SessionID")).Value().toInt());
        return ids;
    }

    TestDatabase db{sessions, GetParam()};
    Connection connection;
};

} // namespace

TEST_P(RecordsetTest, ValuesComeBackAsTheirColumnsDeclareThem)
{
    Recordset rs = connection.Execute(QStringLiteral("SELECT * FROM tblSession ORDER BY SessionID"));
    const QVariant date = rs.Fields(QStringLiteral("SessionDate")).Value();
    ASSERT_EQ(date.metaType(), QMetaType::fromType<OleDate>());
    EXPECT_EQ(date.value<OleDate>().date(), QDate(2026, 3, 7));
    EXPECT_EQ(rs.Fields(QStringLiteral("StartTime")).Value().value<OleDate>(), OleDate::fromTime(QTime(9, 0)));
    EXPECT_EQ(rs.Fields(QStringLiteral("Cancelled")).Value(), QVariant(false));
    EXPECT_EQ(rs.Fields(QStringLiteral("Cancelled")).Value().metaType(), QMetaType::fromType<bool>());
    EXPECT_EQ(rs.Fields(QStringLiteral("SessionID")).Value().metaType(), QMetaType::fromType<int>());
    EXPECT_EQ(rs.Fields(QStringLiteral("Reference")).Value(), QVariant(qint64(5000000000)));
    EXPECT_EQ(rs.Fields(QStringLiteral("Fee")).Value(), QVariant(45.5));
    EXPECT_EQ(rs.Fields(QStringLiteral("SessionDescription")).Value(), QVariant(QStringLiteral("Intake")));

    // An empty text is a value; a column without one is Null.
    const QVariant emptyNotes = rs.Fields(QStringLiteral("AdditionalNotes")).Value();
    EXPECT_FALSE(isNullVariant(emptyNotes));
    EXPECT_EQ(emptyNotes, QVariant(QString()));
    rs.MoveNext();
    EXPECT_TRUE(isNullVariant(rs.Fields(QStringLiteral("AdditionalNotes")).Value()));
    EXPECT_TRUE(isNullVariant(rs.Fields(QStringLiteral("Fee")).Value()));
    EXPECT_EQ(rs.Fields(QStringLiteral("Cancelled")).Value(), QVariant(true));

    // Expressions take their values' own types.
    Recordset computed =
        connection.Execute(QStringLiteral("SELECT count(*) AS n, 5/100 AS ratio, Null AS missing FROM tblSession"));
    EXPECT_EQ(computed.Fields(QStringLiteral("n")).Value(), QVariant(3));
    EXPECT_EQ(computed.Fields(QStringLiteral("ratio")).Value(), QVariant(0.05));
    EXPECT_TRUE(isNullVariant(computed.Fields(QStringLiteral("missing")).Value()));
}

TEST_P(RecordsetTest, FieldsAreFoundByNameCaseInsensitivelyByTableOrByPosition)
{
    Recordset rs = connection.Execute(QStringLiteral("Select * from tblCounsellerSessionLink, tblSession WHERE "
                                                     "tblSession.SessionID = tblCounsellerSessionLink.SessionID "
                                                     "and tblSession.SessionID = 3"));
    EXPECT_EQ(rs.Fields().Count(), 11);
    EXPECT_EQ(rs.Fields(QStringLiteral("TBLSESSION.sessionid")).Value(), 3);
    EXPECT_EQ(rs.Fields(QStringLiteral("tblCounsellerSessionLink.LinkID")).Value(), 11);
    EXPECT_EQ(rs.Fields(QStringLiteral("sessiondescription")).Value(), QStringLiteral("Group"));
    EXPECT_EQ(rs.Fields().Item(0).Name(), QStringLiteral("LinkID"));
    EXPECT_EQ(rs.Fields()(QStringLiteral("CounsellerID")).Value(), 12);

    // An unqualified name that two columns share gives the first; table names keep them apart.
    Recordset both = connection.Execute(
        QStringLiteral("SELECT tblCounsellerSessionLink.SessionID, tblSession.SessionID FROM tblCounsellerSessionLink "
                       "LEFT JOIN tblSession ON tblSession.SessionID = tblCounsellerSessionLink.SessionID + 1"));
    EXPECT_EQ(both.Fields(QStringLiteral("SessionID")).Value(), 1);
    EXPECT_EQ(both.Fields(QStringLiteral("tblSession.SessionID")).Value(), 2);
    EXPECT_EQ(both.Fields(QStringLiteral("tblCounsellerSessionLink.SessionID")).Value(), 1);

    for (const QString &name : {QStringLiteral("Nope"), QStringLiteral("tblOther.SessionID"), QStringLiteral("")}) {
        try {
            rs.Fields(name);
            ADD_FAILURE() << qPrintable(name);
        } catch (const OleError &error) {
            EXPECT_EQ(error.number(), ErrorNumber::ItemNotFound);
            EXPECT_EQ(error.description(),
                      QStringLiteral("Item cannot be found in the collection corresponding to "
                                     "the requested name or ordinal."));
        }
    }
    EXPECT_EQ(errorNumberOf([&] { rs.Fields(11); }), ErrorNumber::ItemNotFound);
    EXPECT_EQ(errorNumberOf([&] { rs.Fields(-1); }), ErrorNumber::ItemNotFound);
}

TEST_P(RecordsetTest, WithoutACurrentRowReadingIs3021)
{
    Recordset empty = open(QStringLiteral("SELECT * FROM tblSession WHERE SessionID = 99"), 0, 1, -1);
    EXPECT_TRUE(empty.Eof());
    EXPECT_TRUE(empty.Bof());
    EXPECT_EQ(empty.AbsolutePosition(), adPosBOF);
    try {
        empty.Fields(QStringLiteral("SessionID")).Value();
        ADD_FAILURE();
    } catch (const OleError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::NoCurrentRecord);
        EXPECT_EQ(error.description(),
                  QStringLiteral("Either BOF or EOF is True, or the current record has been "
                                 "deleted. Requested operation requires a current record."));
    }
    EXPECT_EQ(errorNumberOf([&] { empty.MoveNext(); }), ErrorNumber::NoCurrentRecord);
    empty.MoveFirst();
    empty.MoveLast();
    EXPECT_TRUE(empty.Eof());

    Recordset rs = open(QStringLiteral("SELECT * FROM tblSession"));
    const Field id = rs.Fields(QStringLiteral("SessionID"));
    EXPECT_EQ(identifiers(rs), QList<int>({1, 2, 3}));
    EXPECT_FALSE(rs.Bof());
    EXPECT_EQ(rs.AbsolutePosition(), adPosEOF);
    EXPECT_EQ(errorNumberOf([&] { id.Value(); }), ErrorNumber::NoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs.MoveNext(); }), ErrorNumber::NoCurrentRecord);
    rs.Close();
    EXPECT_EQ(errorNumberOf([&] { id.Value(); }), ErrorNumber::ObjectClosed);
    EXPECT_EQ(errorNumberOf([&] { Recordset().MoveFirst(); }), ErrorNumber::ObjectClosed);
}

TEST_P(RecordsetTest, ForwardOnlyRecordsetsStreamAndStillFindTheirFirstAndLastRows)
{
    Recordset rs =
        open(QStringLiteral("SELECT * FROM tblSession ORDER BY SessionID"), adOpenForwardOnly, adLockReadOnly);
    const Field id = rs.Fields(QStringLiteral("SessionID"));
    EXPECT_EQ(rs.AbsolutePosition(), 1);
    rs.MoveNext();
    EXPECT_EQ(id.Value(), 2);
    EXPECT_EQ(rs.AbsolutePosition(), 2);
    rs.MoveLast();
    EXPECT_EQ(id.Value(), 3);
    EXPECT_EQ(rs.AbsolutePosition(), 3);
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    rs.MoveFirst();
    EXPECT_EQ(id.Value(), 1);
    EXPECT_EQ(identifiers(rs), QList<int>({1, 2, 3}));
}

TEST_P(RecordsetTest, ScrollableRecordsetsVisitTheirRowsAgain)
{
    for (int location : {adUseServer, adUseClient}) {
        Recordset rs = open(QStringLiteral("SELECT * FROM tblSession ORDER BY SessionID DESC"),
                            location == adUseClient ? adOpenDynamic : adOpenStatic, adLockOptimistic, -1, location);
        rs.MoveFirst();
        EXPECT_EQ(rs.AbsolutePosition(), 1);
        EXPECT_EQ(identifiers(rs), QList<int>({3, 2, 1}));
        rs.MoveFirst();
        rs.MoveNext();
        EXPECT_EQ(rs.AbsolutePosition(), 2);
        rs.MoveLast();
        EXPECT_EQ(rs.Fields(0).Value(), 1);
        EXPECT_EQ(rs.AbsolutePosition(), 3);
        rs.MoveFirst();
        EXPECT_EQ(rs.Fields(0).Value(), 3);
    }
    EXPECT_EQ(errorNumberOf([&] { open(QStringLiteral("SELECT 1"), 7); }), ErrorNumber::InvalidArgument);
    EXPECT_EQ(errorNumberOf([&] { Recordset().setCursorLocation(1); }), ErrorNumber::InvalidArgument);
    Recordset busy = open(QStringLiteral("SELECT 1"));
    EXPECT_EQ(errorNumberOf([&] { busy.Open(QStringLiteral("SELECT 2"), connection); }), ErrorNumber::ObjectOpen);
}

TEST_P(RecordsetTest, TablesOpenByKeyAndTheirLastRowIsTheNewest)
{
    Recordset table = open(QStringLiteral("tblSession"), adOpenKeyset, adLockOptimistic, adCmdTable);
    EXPECT_EQ(table.Fields().Count(), 8); // the row identifier stays hidden
    table.MoveLast();
    EXPECT_EQ(table.Fields(0).Value(), 3);
    EXPECT_EQ(table.AbsolutePosition(), 3);
    table.MoveNext();
    EXPECT_TRUE(table.Eof());
    table.MoveFirst();
    EXPECT_EQ(table.AbsolutePosition(), 1);
    EXPECT_EQ(identifiers(table), QList<int>({1, 2, 3}));
    table.Close();

    connection.Execute(QStringLiteral("INSERT INTO tblSession (SessionDescription) VALUES ('New')"));
    Recordset again = open(QStringLiteral("[tblSession]"), adOpenKeyset, adLockOptimistic, adCmdTable);
    again.MoveLast();
    EXPECT_EQ(again.Fields(0).Value(), int(connection.LastInsertId()));
    EXPECT_EQ(again.Fields(QStringLiteral("SessionDescription")).Value(), QStringLiteral("New"));

    // A single name with unspecified options is a table too; views are read as queries.
    Recordset byName = open(QStringLiteral("tblSession"));
    EXPECT_EQ(identifiers(byName), QList<int>({1, 2, 3, 4}));
    Recordset view = open(QStringLiteral("vwIntake"), adOpenKeyset, adLockOptimistic, adCmdTable);
    view.MoveLast();
    EXPECT_EQ(view.Fields(QStringLiteral("SessionDescription")).Value(), QStringLiteral("Intake"));
    EXPECT_EQ(errorNumberOf([&] { open(QStringLiteral("tblNothing"), adOpenKeyset, adLockOptimistic, adCmdTable); }),
              ErrorNumber::SqlError);
}

INSTANTIATE_TEST_SUITE_P(Engines, RecordsetTest, OLVAR_BOTH_ENGINES);
