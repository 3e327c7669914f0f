// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "command.h"
#include "connection.h"
#include "oleerror.h"
#include "recordset.h"
#include "testdatabase.h"

#include <QFile>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace {

const QStringList sessionTable = {
    QStringLiteral("CREATE TABLE tblSession (SessionID INTEGER PRIMARY KEY AUTOINCREMENT, "
                   "SessionDescription TEXT, Cancelled BOOLEAN NOT NULL DEFAULT 0)"),
    QStringLiteral("INSERT INTO tblSession (SessionDescription) VALUES ('First')"),
    QStringLiteral("INSERT INTO tblSession (SessionDescription) VALUES ('Second')"),
};

QString storedDescriptions(const TestDatabase &db)
{
    return db.scalar(QStringLiteral("SELECT group_concat(SessionDescription || ':' || Cancelled, ',') FROM tblSession"))
        .toString();
}

OleError openError(const QString &connectionString)
{
    try {
        Connection(connectionString).Open();
    } catch (const OleError &error) {
        return error;
    }
    return OleError(0, QString());
}

class ConnectionOnEachEngine : public testing::TestWithParam<TestEngine>
{
};

} // namespace

TEST(Connection, EveryKnownProviderOpensTheFileWithEitherSeparator)
{
    const TestDatabase db(sessionTable);
    QString windowsPath = db.path();
    windowsPath.replace(QLatin1Char('/'), QLatin1Char('\\'));
    for (const QString &connectionString :
         {QStringLiteral("Provider=Microsoft.Jet.OLEDB.3.51;Data Source=%1;Persist Security Info=False"),
          QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=False"),
          QStringLiteral("provider=sqlite;data source=%1"), QStringLiteral("Data Source='%1'")}) {
        for (const QString &path : {db.path(), windowsPath}) {
            Connection connection;
            connection.setConnectionString(connectionString.arg(path));
            connection.Open();
            EXPECT_EQ(connection.State(), adStateOpen);
            EXPECT_EQ(connection.Execute(QStringLiteral("SELECT count(*) FROM tblSession")).Fields(0).Value(), 2);
            connection.Close();
            EXPECT_EQ(connection.State(), adStateClosed);
        }
    }
}

TEST(Connection, AMissingFileIsAGeneralFailureNamingItAndIsNotCreated)
{
    OlvarTest::TempFolder folder;
    const QString path = folder.filePath(QStringLiteral("DIV97.mdb"));
    const OleError error = openError(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path);
    EXPECT_EQ(error.number(), ErrorNumber::GeneralFailure);
    EXPECT_TRUE(error.description().contains(path)) << qPrintable(error.description());
    EXPECT_FALSE(QFile::exists(path));

    EXPECT_EQ(openError(QStringLiteral("Provider=SQLite")).number(), ErrorNumber::GeneralFailure);
    EXPECT_EQ(openError(QString()).number(), ErrorNumber::GeneralFailure);
    EXPECT_EQ(openError(QStringLiteral("Data Source=") + folder.path()).number(), ErrorNumber::GeneralFailure);
}

TEST(Connection, AnUnknownProviderIs3706)
{
    const TestDatabase db(sessionTable);
    EXPECT_EQ(openError(QStringLiteral("Provider=SQLOLEDB;Data Source=") + db.path()).number(),
              ErrorNumber::ProviderNotFound);
}

TEST(Connection, ADamagedFileIsAGeneralFailureAndIsLeftAsItWas)
{
    OlvarTest::TempFolder folder;
    const QString path = folder.filePath(QStringLiteral("damaged.db"));
    QByteArray garbage;
    for (int i = 0; i < 8192; ++i)
        garbage.append(char((i * 7919) % 251));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(garbage);
    }
    const OleError error = openError(QStringLiteral("Data Source=") + path);
    EXPECT_EQ(error.number(), ErrorNumber::GeneralFailure);
    EXPECT_TRUE(error.description().contains(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
}

TEST_P(ConnectionOnEachEngine, InvalidStatementsRaiseSqlErrorsWithTheEnginesMessagesAndChangeNothing)
{
    const TestDatabase db(sessionTable, GetParam());
    OLVAR_REQUIRE_DATABASE(db);
    Connection connection = db.open();
    try {
        connection.Execute(QStringLiteral("UPDATE tblSession SET NoSuchColumn = 1"));
        ADD_FAILURE();
    } catch (const OleError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::SqlError);
        if (GetParam() == TestEngine::Sqlite)
            EXPECT_EQ(error.description(), QStringLiteral("no such column: NoSuchColumn"));
        else
            EXPECT_TRUE(error.description().contains(QLatin1String("NoSuchColumn"))) << qPrintable(error.description());
    }
    EXPECT_EQ(errorNumberOf([&] { connection.Execute(QStringLiteral("SELEC * FROM tblSession")); }),
              ErrorNumber::SqlError);
    EXPECT_EQ(errorNumberOf([&] { connection.Execute(QStringLiteral("SELECT * FROM tblNothing")); }),
              ErrorNumber::SqlError);
    // A subject with an apostrophe, inserted as it is, ends the literal early.
    EXPECT_EQ(errorNumberOf([&] {
                  connection.Execute(
                      QStringLiteral("UPDATE tblSession SET SessionDescription='Ann's' WHERE SessionID=1"));
              }),
              ErrorNumber::SqlError);
    // A second statement smuggled after the first is refused as a whole.
    EXPECT_EQ(errorNumberOf([&] {
                  connection.Execute(QStringLiteral("UPDATE tblSession SET Cancelled=True; DELETE FROM tblSession"));
              }),
              ErrorNumber::SqlError);
    // The connection is still usable.
    EXPECT_EQ(connection.Execute(QStringLiteral("SELECT count(*) FROM tblSession")).Fields(0).Value(), 2);
    connection.Close();
    EXPECT_EQ(storedDescriptions(db), QStringLiteral("First:0,Second:0"));
}

TEST_P(ConnectionOnEachEngine, ANullWhereAValueIsRequiredIsAnErrorAndChangesNothing)
{
    const TestDatabase db(sessionTable, GetParam());
    OLVAR_REQUIRE_DATABASE(db);
    Connection connection = db.open();
    EXPECT_EQ(errorNumberOf([&] { connection.Execute(QStringLiteral("UPDATE tblSession SET Cancelled = Null")); }),
              ErrorNumber::GeneralFailure);
    EXPECT_EQ(storedDescriptions(db), QStringLiteral("First:0,Second:0"));
}

TEST(Connection, ALockedDatabaseIsRetriedThenReportedAndKeepsItsData)
{
    const TestDatabase db(sessionTable);
    Connection writer = db.open();
    writer.Execute(QStringLiteral("BEGIN IMMEDIATE"));
    writer.Execute(QStringLiteral("UPDATE tblSession SET SessionDescription = 'Half' WHERE SessionID = 1"));

    Connection blocked = db.open(QStringLiteral("Busy Timeout=50"));
    try {
        blocked.Execute(QStringLiteral("UPDATE tblSession SET Cancelled = True"));
        ADD_FAILURE();
    } catch (const OleError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::GeneralFailure);
        EXPECT_TRUE(error.description().contains(QLatin1String("locked"))) << qPrintable(error.description());
    }
    // Readers still see the committed rows while the writer holds its lock.
    EXPECT_EQ(storedDescriptions(db), QStringLiteral("First:0,Second:0"));

    // A writer that holds the file exclusively keeps even new connections out.
    writer.Execute(QStringLiteral("COMMIT"));
    writer.Execute(QStringLiteral("BEGIN EXCLUSIVE"));
    EXPECT_EQ(errorNumberOf([&] { db.open(QStringLiteral("Busy Timeout=50")); }), ErrorNumber::GeneralFailure);
    writer.Execute(QStringLiteral("ROLLBACK"));
    writer.Close();

    blocked.Execute(QStringLiteral("UPDATE tblSession SET Cancelled = True WHERE SessionID = 2"));
    EXPECT_EQ(storedDescriptions(db), QStringLiteral("Half:0,Second:1"));
}

TEST_P(ConnectionOnEachEngine, ExecuteGivesRowsOnlyForQueriesAndTellsTheNewRowsIdentifier)
{
    const TestDatabase db(sessionTable, GetParam());
    OLVAR_REQUIRE_DATABASE(db);
    Connection connection = db.open();
    Recordset none = connection.Execute(QStringLiteral("INSERT INTO tblSession (SessionDescription) VALUES ('Third')"));
    EXPECT_EQ(none.State(), adStateClosed);
    EXPECT_EQ(connection.LastInsertId(), 3);

    Recordset rows = connection.Execute(QStringLiteral("SELECT SessionID FROM tblSession ORDER BY SessionID DESC"));
    EXPECT_EQ(rows.State(), adStateOpen);
    EXPECT_EQ(rows.Fields(0).Value(), 3);

    // Identifiers are never given out twice, even after the last row is deleted.
    connection.Execute(QStringLiteral("DELETE FROM tblSession WHERE SessionID = 3"));
    EXPECT_EQ(connection.RecordsAffected(), 1);
    connection.Execute(QStringLiteral("INSERT INTO tblSession (SessionDescription) VALUES ('Fourth')"));
    EXPECT_EQ(connection.LastInsertId(), 4);

    // An update that matches no row writes none, and says so.
    connection.Execute(QStringLiteral("UPDATE tblSession SET SessionDescription = 'x' WHERE SessionID = 3"));
    EXPECT_EQ(connection.RecordsAffected(), 0);
    connection.Execute(QStringLiteral("UPDATE tblSession SET SessionDescription = 'x'"));
    EXPECT_EQ(connection.RecordsAffected(), 3);
}

TEST_P(ConnectionOnEachEngine, CommandsRunOnTheirActiveConnection)
{
    const TestDatabase db(sessionTable, GetParam());
    OLVAR_REQUIRE_DATABASE(db);
    Connection connection = db.open();
    Command command;
    command.setCommandText(QStringLiteral("DELETE FROM tblSession Where tblSession.SessionID = 1"));
    EXPECT_EQ(errorNumberOf([&] { command.Execute(); }), ErrorNumber::ConnectionUnusable);
    command.setActiveConnection(connection);
    command.Execute(-1);
    command.setCommandText(QStringLiteral("tblSession"));
    command.setCommandType(adCmdTable);
    EXPECT_EQ(command.Execute().Fields(QStringLiteral("SessionDescription")).Value(), QStringLiteral("Second"));
}

TEST_P(ConnectionOnEachEngine, OpenAndCloseFollowTheObjectsState)
{
    const TestDatabase db(sessionTable, GetParam());
    OLVAR_REQUIRE_DATABASE(db);
    Connection connection(db.connectionString());
    EXPECT_EQ(errorNumberOf([&] { connection.Execute(QStringLiteral("SELECT 1")); }), ErrorNumber::ConnectionUnusable);
    EXPECT_EQ(errorNumberOf([&] { connection.Close(); }), ErrorNumber::ObjectClosed);
    connection.Open();
    EXPECT_EQ(errorNumberOf([&] { connection.Open(); }), ErrorNumber::ObjectOpen);
    EXPECT_EQ(errorNumberOf([&] { connection.setConnectionString(QString()); }), ErrorNumber::ObjectOpen);

    // Closing the connection closes what is open on it.
    Recordset rs = connection.Execute(QStringLiteral("SELECT * FROM tblSession"));
    const Field description = rs.Fields(QStringLiteral("SessionDescription"));
    Connection copy = connection;
    copy.Close();
    EXPECT_EQ(connection.State(), adStateClosed);
    EXPECT_EQ(rs.State(), adStateClosed);
    EXPECT_EQ(errorNumberOf([&] { rs.Eof(); }), ErrorNumber::ObjectClosed);
    EXPECT_EQ(errorNumberOf([&] { description.Value(); }), ErrorNumber::ObjectClosed);
    EXPECT_EQ(errorNumberOf([&] { rs.Close(); }), ErrorNumber::ObjectClosed);
}

TEST(Connection, AStatementWithANullCharacterIsRefusedNotCutShort)
{
    const TestDatabase db(sessionTable);
    Connection connection = db.open();
    const QChar null(0);
    const QStringList statements{QStringLiteral("DELETE FROM tblSession") + null
                                     + QStringLiteral(" WHERE SessionID = 1"),
                                 QStringLiteral("UPDATE tblSession SET SessionDescription = 'a") + null
                                     + QStringLiteral("b' WHERE SessionID = 1")};
    for (const QString &statement : statements) {
        EXPECT_EQ(errorNumberOf([&] { connection.Execute(statement); }), ErrorNumber::SqlError);
        Recordset rows;
        EXPECT_EQ(errorNumberOf([&] { rows.Open(statement, connection, adOpenForwardOnly, adLockReadOnly); }),
                  ErrorNumber::SqlError);
    }
    Recordset rows = connection.Execute(
        QStringLiteral("SELECT COUNT(*) FROM tblSession WHERE SessionID = 1 AND SessionDescription NOT LIKE 'a%'"));
    EXPECT_EQ(rows.Fields(0).Value().toInt(), 1);
}

INSTANTIATE_TEST_SUITE_P(Engines, ConnectionOnEachEngine, OLVAR_BOTH_ENGINES);

TEST(PostgresConnection, AServerThatCannotBeReachedOrRefusesIsAGeneralFailureWithTheServersMessage)
{
    const OlvarTest::PostgresSchema schema;
    OLVAR_REQUIRE_POSTGRES(schema);
    const QString server = OlvarTest::PostgresServer::connectionString();
    const auto withKey = [&](const QString &key, const QString &value) -> QString {
        return server + QLatin1Char(';') + key + QLatin1Char('=') + value;
    };
    const OleError wrongPassword = openError(withKey(QStringLiteral("Password"), QStringLiteral("not-it")));
    EXPECT_EQ(wrongPassword.number(), ErrorNumber::GeneralFailure);
    EXPECT_TRUE(wrongPassword.description().contains(QLatin1String("password authentication failed")))
        << qPrintable(wrongPassword.description());

    const OleError noDatabase = openError(withKey(QStringLiteral("Database"), QStringLiteral("no_such_practice")));
    EXPECT_EQ(noDatabase.number(), ErrorNumber::GeneralFailure);
    EXPECT_TRUE(noDatabase.description().contains(QLatin1String("no_such_practice")));

    const OleError down = openError(withKey(QStringLiteral("Port"), QStringLiteral("1")));
    EXPECT_EQ(down.number(), ErrorNumber::GeneralFailure);
    EXPECT_TRUE(down.description().startsWith(QLatin1String("Cannot connect to the PostgreSQL server: ")));

    // A server that takes the connection and never answers is given up after the connect timeout.
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr *>(&address), length), 0);
    ASSERT_EQ(listen(listener, 4), 0);
    ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length), 0);
    const OleError silent = openError(QStringLiteral("Provider=PostgreSQL;Host=127.0.0.1;Port=%1;Database=x;"
                                                     "User ID=x;Password=x;Connect Timeout=1")
                                          .arg(ntohs(address.sin_port)));
    close(listener);
    EXPECT_EQ(silent.number(), ErrorNumber::GeneralFailure);
    EXPECT_TRUE(silent.description().contains(QLatin1String("timeout"))) << qPrintable(silent.description());

    // Other keys are libpq's own.
    Connection named(schema.connectionString() + QStringLiteral(";application_name=Sessara desk 2"));
    named.Open();
    EXPECT_EQ(named.Execute(QStringLiteral("SELECT current_setting('application_name') AS name")).Fields(0).Value(),
              QStringLiteral("Sessara desk 2"));
}
