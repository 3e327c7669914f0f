// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#include "bookingunit.h"
#include "connection.h"
#include "connectionstringparser.h"
#include "oleerror.h"
#include "recordset.h"
#include "testdatabase.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <unistd.h>

#include <thread>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace {

const QStringList sessionTable = {
    QStringLiteral("CREATE TABLE tblSession (SessionID INTEGER PRIMARY KEY AUTOINCREMENT, SessionDescription TEXT)"),
    QStringLiteral("CREATE TABLE tblCounsellerSessionLink (CounsellerID INTEGER NOT NULL, SessionID INTEGER NOT NULL)"),
};

class BookingUnitTest : public testing::TestWithParam<TestEngine>
{
protected:
    void SetUp() override { OLVAR_REQUIRE_DATABASE(db); }

    // Writes a session and its link on connections of their own, as the day view and the demo do.
    void book(const QString &description)
    {
        Connection view(db.connectionString());
        view.Open();
        view.Execute(QStringLiteral("INSERT INTO tblSession (SessionDescription) VALUES ('%1')").arg(description));
        const qint64 id = view.LastInsertId();
        view.Close();
        Connection demo(db.connectionString(QStringLiteral("Busy Timeout=100")));
        demo.Open();
        demo.Execute(QStringLiteral("INSERT INTO tblCounsellerSessionLink VALUES (1, %1)").arg(id));
        demo.Close();
    }
    int sessions() const { return db.scalar(QStringLiteral("SELECT count(*) FROM tblSession")).toInt(); }

    // Starts a unit for \a counsellor on another thread, as another desk would; returns its error, or 0.
    int otherDesk(qint64 counsellor) const
    {
        int number = 0;
        std::thread desk([&] {
            try {
                BookingUnit unit(db.connectionString(), {counsellor}, {}, 100);
                unit.rollback();
            } catch (const OleError &error) {
                number = error.number();
            }
        });
        desk.join();
        return number;
    }

    TestDatabase db{sessionTable, GetParam()};
};

} // namespace

TEST_P(BookingUnitTest, ConnectionsOpenedDuringTheUnitStoreAllOrNothing)
{
    {
        BookingUnit unit(db.connectionString(), {1}, {2});
        book(QStringLiteral("Undone"));
        EXPECT_TRUE(unit.isActive());
    } // gone without commit
    EXPECT_EQ(sessions(), 0);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM tblCounsellerSessionLink")).toInt(), 0);

    BookingUnit unit(db.connectionString(), {1}, {2});
    book(QStringLiteral("Kept"));
    unit.commit();
    EXPECT_FALSE(unit.isActive());
    EXPECT_EQ(sessions(), 1);
    EXPECT_EQ(errorNumberOf([&] { unit.commit(); }), ErrorNumber::ObjectClosed);
    // After the unit, connections are their own again.
    book(QStringLiteral("Alone"));
    EXPECT_EQ(sessions(), 2);
}

TEST_P(BookingUnitTest, AnotherDeskWaitsForTheCounsellorAndIsRefusedAsBusy)
{
    BookingUnit unit(db.connectionString(), {1}, {2});
    EXPECT_EQ(otherDesk(1), ErrorNumber::GeneralFailure);
    // The server locks per counsellor; a file has one writer at a time.
    EXPECT_EQ(otherDesk(3), GetParam() == TestEngine::Postgres ? 0 : ErrorNumber::GeneralFailure);
    unit.rollback();
    EXPECT_EQ(otherDesk(1), 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, BookingUnitTest, OLVAR_BOTH_ENGINES);

TEST(PostgresBookingUnit, AConnectionLostInTheMiddleOfASaveStoresNothing)
{
    const TestDatabase db(sessionTable, TestEngine::Postgres);
    OLVAR_REQUIRE_DATABASE(db);
    BookingUnit unit(db.connectionString(), {1}, {});
    Connection view(db.connectionString());
    view.Open();
    view.Execute(QStringLiteral("INSERT INTO tblSession (SessionDescription) VALUES ('Half')"));
    const QVariant backend = view.Execute(QStringLiteral("SELECT pg_backend_pid()")).Fields(0).Value();
    view.Close();

    // The server ends the desk's connection, as when it is stopped; the order comes from another program.
    db.open(QStringLiteral("application_name=administrator"))
        .Execute(QStringLiteral("SELECT pg_terminate_backend(%1)").arg(backend.toInt()));
    try {
        unit.commit();
        ADD_FAILURE() << "a commit on a lost connection reported success";
    } catch (const OleError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::GeneralFailure);
        EXPECT_FALSE(error.description().isEmpty());
    }
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM tblSession")).toInt(), 0);
}

TEST(PostgresSchemaChanges, ATableAnotherProgramAddsIsFoundOnTheNextConnection)
{
    const TestDatabase db(sessionTable, TestEngine::Postgres);
    OLVAR_REQUIRE_DATABASE(db);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT count(*) FROM tblSession")).toInt(), 0);
    // Another program, with a connection of its own, adds a table and a row.
    Connection other(db.connectionString(QStringLiteral("application_name=other")));
    other.Open();
    other.Execute(QStringLiteral("CREATE TABLE tblRoomNote (RoomNoteID INTEGER PRIMARY KEY, Note TEXT)"));
    other.Execute(QStringLiteral("INSERT INTO tblRoomNote (Note) VALUES ('Heater')"));
    other.Close();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT Note FROM tblRoomNote WHERE RoomNoteID = 1")), QStringLiteral("Heater"));
}

// The server itself stops while a desk is saving: a cluster of the test's own, stopped and started again.
TEST(PostgresBookingUnit, TheServerStoppedInTheMiddleOfASaveStoresNothing)
{
    const OlvarTest::PostgresSchema shared;
    OLVAR_REQUIRE_POSTGRES(shared);
    OlvarTest::TempFolder folder;
    const QString state = folder.filePath(QStringLiteral("cluster.state"));
    ASSERT_EQ(QProcess::execute(QStringLiteral(OLVAR_PGCLUSTER), {QStringLiteral("start"), state}), 0);
    struct StopAtEnd // also when an assertion ends the test early
    {
        QString state;
        ~StopAtEnd() { QProcess::execute(QStringLiteral(OLVAR_PGCLUSTER), {QStringLiteral("stop"), state}); }
    } stopAtEnd{state};
    QFile file(state);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const QString connectionString = lines.value(0);
    const QString dir = lines.value(1);
    const QString port = ConnectionStringParser(connectionString).value(QStringLiteral("Port"));
    const auto pgCtl = [&](const QStringList &arguments) {
        QStringList command = {lines.value(2) + QStringLiteral("/pg_ctl"), QStringLiteral("-D"),
                               dir + QStringLiteral("/data"), QStringLiteral("-w")};
        if (getuid() == 0)
            command = QStringList{QStringLiteral("-u"), QStringLiteral("postgres"), QStringLiteral("--")} + command;
        return QProcess::execute(getuid() == 0 ? QStringLiteral("runuser") : command.takeFirst(), command + arguments);
    };

    Connection setup(connectionString);
    setup.Open();
    setup.Execute(sessionTable.at(0));
    setup.Close();
    {
        BookingUnit unit(connectionString, {1}, {});
        Connection view(connectionString);
        view.Open();
        view.Execute(QStringLiteral("INSERT INTO tblSession (SessionDescription) VALUES ('Half')"));
        view.Close();
        EXPECT_EQ(pgCtl({QStringLiteral("-m"), QStringLiteral("fast"), QStringLiteral("stop")}), 0);
        EXPECT_EQ(errorNumberOf([&] { unit.commit(); }), ErrorNumber::GeneralFailure);
    }
    EXPECT_EQ(pgCtl({QStringLiteral("-l"), dir + QStringLiteral("/server.log"), QStringLiteral("-o"),
                     QStringLiteral("-k %1 -p %2 -c listen_addresses=").arg(dir, port), QStringLiteral("start")}),
              0);
    Connection check(connectionString);
    check.Open();
    EXPECT_EQ(check.Execute(QStringLiteral("SELECT count(*) FROM tblSession")).Fields(0).Value().toInt(), 0);
    check.Close();
}
