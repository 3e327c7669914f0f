// The day view's load (open, the load query for one counsellor and day, every
// field of every row, close) through the data-access objects and through
// SQLite's C API on the same files, and the load on a small and a large
// practice. Prints the ratios at the end.

#include "connection.h"
#include "oledate.h"
#include "practicedatabase.h"
#include "recordset.h"

#include <QTemporaryDir>

#include "ratioreporter.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace {

constexpr int smallSize = 1000;
constexpr int largeSize = 100000;
const QDate firstDay(2015, 1, 5);
const QDate loadDay(2015, 1, 20); // within the first thousand sessions, so both files hold the same day
constexpr int resource = 3;

std::map<int, QString> databases; // session count -> file

QString dialectLoadQuery()
{
    const QString d = loadDay.toString(QStringLiteral("MM/dd/yyyy"));
    return QStringLiteral("Select * from tblSession, tblCounsellerSessionLink WHERE (tblSession.SessionDate = #%1# Or "
                          "(tblSession.starttime <= #%1# and tblSession.endtime >= #%1#))  and tblSession.SessionID= "
                          "tblCounsellerSessionLink.SessionID  and tblCounsellerSessionLink.CounsellerID=%2 and Cancelled = False")
        .arg(d)
        .arg(resource);
}

// The same query as SQLite reads it, the day as its day number.
QByteArray sqliteLoadQuery()
{
    const QString d = QString::number(OleDate::fromDate(loadDay).value());
    return QStringLiteral("Select * from tblSession, tblCounsellerSessionLink WHERE (tblSession.SessionDate = %1 Or "
                          "(tblSession.starttime <= %1 and tblSession.endtime >= %1))  and tblSession.SessionID= "
                          "tblCounsellerSessionLink.SessionID  and tblCounsellerSessionLink.CounsellerID=%2 and Cancelled = 0")
        .arg(d)
        .arg(resource)
        .toUtf8();
}

void BM_LoadDataAccess(benchmark::State &state)
{
    const QString connectionString = Sessara::PracticeDatabase(databases.at(int(state.range(0)))).connectionString();
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
                    benchmark::DoNotOptimize(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, i)),
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

BENCHMARK(BM_LoadRawSqlite)->Arg(largeSize)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadDataAccess)->Arg(largeSize)->Arg(smallSize)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TableLastRow)->Arg(largeSize)->Arg(smallSize)->Unit(benchmark::kMicrosecond);

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
    benchmark::Shutdown();
    return 0;
}
