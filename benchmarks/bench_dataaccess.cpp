// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The day view's load (open, the load query for one counsellor and day, every
// field of every row, close) through the data-access objects and through
// SQLite's C API on the same files, and the load on a small and a large
// practice; the same on a PostgreSQL server against libpq, when one can be
// started (tests/support/pgcluster.sh) or OLVAR_BENCH_PG names one; and one
// booking's whole save on each engine. Prints the ratios at the end.

#include "appointment.h"
#include "basgeneral.h"
#include "bookingconflict.h"
#include "bookingunit.h"
#include "connection.h"
#include "connectionstringparser.h"
#include "oledate.h"
#include "postgresengine.h"
#include "practicedatabase.h"
#include "practiceserver.h"
#include "recordset.h"
#include "sessionstatements.h"
#include "sessionupdate.h"

#include <QProcess>
#include <QTemporaryDir>

#include <libpq-fe.h>

#include "ratioreporter.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;
using OlvarControls::Appointment;
using OlvarControls::SessionStatements;

namespace {

constexpr int smallSize = 1000;
constexpr int largeSize = 100000;
const QDate firstDay(2015, 1, 5);
const QDate loadDay(2015, 1, 20); // within the first thousand sessions, so both files hold the same day
constexpr int resource = 3;

std::map<int, QString> databases; // session count -> file
std::map<int, QString> servers; // session count -> PostgreSQL connection string

QString dialectLoadQuery()
{
    const QString d = loadDay.toString(QStringLiteral("MM/dd/yyyy"));
    return QStringLiteral(
               "Select * from tblSession, tblCounsellerSessionLink WHERE (tblSession.SessionDate = #%1# Or "
               "(tblSession.starttime <= #%1# and tblSession.endtime >= #%1#))  and tblSession.SessionID= "
               "tblCounsellerSessionLink.SessionID  and tblCounsellerSessionLink.CounsellerID=%2 and Cancelled = False")
        .arg(d)
        .arg(resource);
}

// The same query as SQLite reads it, the day as its day number.
QByteArray sqliteLoadQuery()
{
    const QString d = QString::number(OleDate::fromDate(loadDay).value());
    return QStringLiteral(
               "Select * from tblSession, tblCounsellerSessionLink WHERE (tblSession.SessionDate = %1 Or "
               "(tblSession.starttime <= %1 and tblSession.endtime >= %1))  and tblSession.SessionID= "
               "tblCounsellerSessionLink.SessionID  and tblCounsellerSessionLink.CounsellerID=%2 and Cancelled = 0")
        .arg(d)
        .arg(resource)
        .toUtf8();
}

// Opens, loads every field of every row of the day, closes: on either engine.
void loadThroughDataAccess(benchmark::State &state, const QString &connectionString)
{
    const QString query = dialectLoadQuery();
    qint64 rows = 0;
    for (auto _ : state) {
        Connection connection(connectionString);
        connection.Open();
        Recordset rs;
        rs.Open(query, connection, adOpenForwardOnly, adLockReadOnly, -1);
        const int count = rs.Fields().Count();
        for (; !rs.Eof(); rs.MoveNext(), ++rows) {
            for (int i = 0; i < count; ++i)
                benchmark::DoNotOptimize(rs.Fields(i).Value());
        }
        rs.Close();
        connection.Close();
    }
    state.counters["rows"] = double(rows) / double(state.iterations());
}

void BM_LoadDataAccess(benchmark::State &state)
{
    loadThroughDataAccess(state, Sessara::PracticeDatabase(databases.at(int(state.range(0)))).connectionString());
}

void BM_LoadRawSqlite(benchmark::State &state)
{
    const QByteArray path = databases.at(int(state.range(0))).toUtf8();
    const QByteArray query = sqliteLoadQuery();
    qint64 rows = 0;
    for (auto _ : state) {
        sqlite3 *db = nullptr;
        sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(db, query.constData(), int(query.size()), &statement, nullptr);
        const int count = sqlite3_column_count(statement);
        for (; sqlite3_step(statement) == SQLITE_ROW; ++rows) {
            for (int i = 0; i < count; ++i) {
                switch (sqlite3_column_type(statement, i)) {
                case SQLITE_INTEGER:
                    benchmark::DoNotOptimize(sqlite3_column_int64(statement, i));
                    break;
                case SQLITE_FLOAT:
                    benchmark::DoNotOptimize(sqlite3_column_double(statement, i));
                    break;
                case SQLITE_TEXT:
                    benchmark::DoNotOptimize(
                        QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, i)),
                                          sqlite3_column_bytes(statement, i)));
                    break;
                default:
                    break;
                }
            }
        }
        sqlite3_finalize(statement);
        sqlite3_close(db);
    }
    state.counters["rows"] = double(rows) / double(state.iterations());
}

// The day view's save reads the identifier of the table's last row.
void BM_TableLastRow(benchmark::State &state)
{
    Connection connection(Sessara::PracticeDatabase(databases.at(int(state.range(0)))).connectionString());
    connection.Open();
    for (auto _ : state) {
        Recordset table;
        table.Open(QStringLiteral("tblSession"), connection, adOpenKeyset, adLockOptimistic, adCmdTable);
        table.MoveLast();
        benchmark::DoNotOptimize(table.Fields(0).Value());
        table.Close();
    }
}

// The same load through libpq, the query written as the server reads it.
void BM_PgLoadRawLibpq(benchmark::State &state)
{
    const ConnectionStringParser parsed(servers.at(int(state.range(0))));
    QList<QByteArray> keys, values;
    for (const auto &[key, value] : PostgresEngine::connectionKeywords(parsed)) {
        keys.append(key);
        values.append(value);
    }
    QList<const char *> keyPointers, valuePointers;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        keyPointers.append(keys.at(i).constData());
        valuePointers.append(values.at(i).constData());
    }
    keyPointers.append(nullptr);
    valuePointers.append(nullptr);
    const QByteArray d = QByteArray::number(OleDate::fromDate(loadDay).value());
    const QByteArray query =
        "SELECT * FROM \"tblSession\", \"tblCounsellerSessionLink\" WHERE (\"tblSession\".\"SessionDate\" = " + d
        + " OR (\"tblSession\".\"StartTime\" <= " + d + " AND \"tblSession\".\"EndTime\" >= " + d
        + ")) AND \"tblSession\".\"SessionID\" = \"tblCounsellerSessionLink\".\"SessionID\" AND "
          "\"tblCounsellerSessionLink\".\"CounsellerID\" = "
        + QByteArray::number(resource) + " AND \"Cancelled\" = 0 ORDER BY \"tblSession\".\"SessionID\"";
    qint64 rows = 0;
    for (auto _ : state) {
        PGconn *connection = PQconnectdbParams(keyPointers.constData(), valuePointers.constData(), 0);
        PGresult *result = PQexec(connection, query.constData());
        const int count = PQnfields(result);
        for (int row = 0; row < PQntuples(result); ++row, ++rows) {
            for (int i = 0; i < count; ++i) {
                const char *text = PQgetvalue(result, row, i);
                if (PQftype(result, i) == 25 || PQftype(result, i) > 10000) // text, citext
                    benchmark::DoNotOptimize(QString::fromUtf8(text, PQgetlength(result, row, i)));
                else
                    benchmark::DoNotOptimize(QByteArray(text).toDouble());
            }
        }
        PQclear(result);
        PQfinish(connection);
    }
    state.counters["rows"] = double(rows) / double(state.iterations());
}

void BM_PgLoadDataAccess(benchmark::State &state)
{
    loadThroughDataAccess(state, servers.at(int(state.range(0))));
}

// One booking's whole save as the session dialog runs it: the unit, both
// conflict checks, the day view's insert, the link row, the completing update.
void bookingSave(benchmark::State &state, const QString &connectionString)
{
    Sessara::basGeneral::strConnectionString = connectionString;
    int slot = 0;
    for (auto _ : state) {
        const QDate day = QDate(2030, 1, 1).addDays(slot++); // a free day each time
        const QString date = day.toString(QStringLiteral("dd/MM/yyyy"));
        BookingUnit unit(connectionString, {resource}, {2});
        benchmark::DoNotOptimize(Sessara::BookingConflict::CheckForBookingConflict(
            resource, date, QStringLiteral("9:00 am"), QStringLiteral("10:00 am"), -1));
        benchmark::DoNotOptimize(Sessara::BookingConflict::CheckForRoomConflict(2, date, QStringLiteral("9:00 am"),
                                                                                QStringLiteral("10:00 am"), -1));
        Appointment record;
        record.ApptDate = OleDate::fromDate(day);
        record.ApptTimeStart = OleDate::fromTime(QTime(9, 0));
        record.ApptTimeEnd = OleDate::fromTime(QTime(10, 0));
        record.ApptSubject = QStringLiteral("Benchmark");
        record.ApptType = 1;
        Connection view(connectionString);
        view.Open();
        view.Execute(SessionStatements::insertStatement(record));
        const auto id = qint32(view.LastInsertId());
        view.Close();
        Connection demo(connectionString);
        demo.Open();
        demo.Execute(Sessara::SessionUpdate::counsellorLink(id, resource));
        demo.Execute(Sessara::SessionUpdate::forNewSession(
            {QStringLiteral("1"), QString(), QStringLiteral("2"), QString(), QString(), QString()}, id));
        demo.Close();
        unit.commit();
    }
}

void BM_BookingSaveSqlite(benchmark::State &state)
{
    bookingSave(state, Sessara::PracticeDatabase(databases.at(smallSize)).connectionString());
}

void BM_BookingSavePostgres(benchmark::State &state)
{
    bookingSave(state, servers.at(smallSize));
}

BENCHMARK(BM_LoadRawSqlite)->Arg(largeSize)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadDataAccess)->Arg(largeSize)->Arg(smallSize)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TableLastRow)->Arg(largeSize)->Arg(smallSize)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BookingSaveSqlite)->Unit(benchmark::kMicrosecond);

void registerServerBenchmarks()
{
    benchmark::RegisterBenchmark("BM_PgLoadRawLibpq", BM_PgLoadRawLibpq)->Arg(largeSize)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_PgLoadDataAccess", BM_PgLoadDataAccess)
        ->Arg(largeSize)
        ->Arg(smallSize)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_BookingSavePostgres", BM_BookingSavePostgres)->Unit(benchmark::kMicrosecond);
}

// A server to measure on: OLVAR_BENCH_PG, or a throw-away cluster; empty when there is none.
QString startServer(const QString &stateFile)
{
    const QString given = qEnvironmentVariable("OLVAR_BENCH_PG");
    if (!given.isEmpty())
        return given;
    QProcess::execute(QStringLiteral(OLVAR_PGCLUSTER), {QStringLiteral("start"), stateFile});
    QFile state(stateFile);
    if (!state.open(QIODevice::ReadOnly))
        return QString();
    const QString line = QString::fromUtf8(state.readLine()).trimmed();
    return line.startsWith(QLatin1String("Provider=")) ? line : QString();
}

void fillServers(const QString &server)
{
    for (int size : {smallSize, largeSize}) {
        const QString schema = QStringLiteral("bench_%1").arg(size);
        Connection admin(server);
        admin.Open();
        admin.Execute(QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(schema));
        admin.Execute(QStringLiteral("CREATE SCHEMA %1").arg(schema));
        admin.Close();
        servers[size] = server + QStringLiteral(";options='-c search_path=%1,public'").arg(schema);
        Sessara::PracticeServer(servers[size]).createLarge(size, firstDay);
    }
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    QTemporaryDir folder;
    for (int size : {smallSize, largeSize}) {
        const QString path = folder.filePath(QStringLiteral("practice-%1.db").arg(size));
        Sessara::PracticeDatabase database(path);
        database.create();
        database.fillLarge(size, firstDay);
        databases[size] = path;
    }

    const QString stateFile = folder.filePath(QStringLiteral("pgcluster.state"));
    const QString server = startServer(stateFile);
    if (server.isEmpty())
        std::printf("No PostgreSQL server: the server benchmarks are left out.\n");
    else {
        fillServers(server);
        registerServerBenchmarks();
    }

    OlvarBenchmarks::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const std::string large = "/" + std::to_string(largeSize);
    const std::string small = "/" + std::to_string(smallSize);
    std::printf("\nday-view load, data access / raw SQLite (%d sessions): %.2f (goal at most 1.3)\n", largeSize,
                reporter.ratio("BM_LoadDataAccess" + large, "BM_LoadRawSqlite" + large));
    std::printf("day-view load, %d / %d sessions: %.2f (goal at most 1.5)\n", largeSize, smallSize,
                reporter.ratio("BM_LoadDataAccess" + large, "BM_LoadDataAccess" + small));
    std::printf("table's last row, %d / %d sessions: %.2f\n", largeSize, smallSize,
                reporter.ratio("BM_TableLastRow" + large, "BM_TableLastRow" + small));
    if (!server.isEmpty()) {
        std::printf("PostgreSQL day-view load, data access / raw libpq (%d sessions): %.2f (goal at most 1.3)\n",
                    largeSize, reporter.ratio("BM_PgLoadDataAccess" + large, "BM_PgLoadRawLibpq" + large));
        std::printf("PostgreSQL day-view load, %d / %d sessions: %.2f (goal at most 1.5)\n", largeSize, smallSize,
                    reporter.ratio("BM_PgLoadDataAccess" + large, "BM_PgLoadDataAccess" + small));
        std::printf("one booking's whole save, PostgreSQL / SQLite: %.2f\n",
                    reporter.ratio("BM_BookingSavePostgres", "BM_BookingSaveSqlite"));
        if (qEnvironmentVariable("OLVAR_BENCH_PG").isEmpty())
            QProcess::execute(QStringLiteral(OLVAR_PGCLUSTER), {QStringLiteral("stop"), stateFile});
    }
    benchmark::Shutdown();
    return 0;
}
