// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The day view's full repaint of an 800 x 900 day with 20 sessions, loaded
// from a large practice, against a baseline of six whole-surface fills of the
// same image plus SQLite's own load of that day; and one sweep step, which
// paints the selection highlight only. Prints the ratio and the step's time.
// The same repaint on a screen of device pixel ratio 2 (a second offscreen
// screen) is measured against the one at ratio 1.

#include "connection.h"
#include "hourlet.h"
#include "oledate.h"
#include "practicedatabase.h"
#include "recordset.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QTemporaryDir>

#include "ratioreporter.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <map>
#include <memory>

using namespace OlvarControls;
using namespace OlvarControls::DataAccess;

namespace {

constexpr int largeSize = 100000;
constexpr int sessionsShown = 20;
constexpr int resource = 3;
const QDate firstDay(2015, 1, 5);
const QDate loadDay(2015, 1, 20);
const QSize viewSize(800, 900);

QString databasePath;

int liveSessionsOfTheDay(Connection &connection)
{
    Recordset rows = connection.Execute(
        QStringLiteral(
            "Select count(*) from tblSession, tblCounsellerSessionLink WHERE tblSession.SessionDate = #%1# and "
            "tblSession.SessionID = tblCounsellerSessionLink.SessionID and tblCounsellerSessionLink.CounsellerID = %2 "
            "and Cancelled = False")
            .arg(loadDay.toString(QStringLiteral("MM/dd/yyyy")))
            .arg(resource));
    return rows.Fields(0).Value().toInt();
}

/* Books the resource's day up to sessionsShown live sessions, every half hour from 07:00. */
void fillTheDay()
{
    Connection connection(Sessara::PracticeDatabase(databasePath).connectionString());
    connection.Open();
    const double day = OleDate::fromDate(loadDay).value();
    for (int slot = 0; liveSessionsOfTheDay(connection) < sessionsShown; ++slot) {
        const double start = OleDate::fromTime(QTime(7, 0).addSecs(slot * 1800)).value();
        connection.Execute(QStringLiteral("INSERT INTO tblSession (SessionDate, StartTime, EndTime, "
                                          "SessionDescription, AdditionalNotes, SessionTypeID) VALUES "
                                          "(%1, %2, %3, 'Extra session %4', 'Notes', 1)")
                               .arg(day, 0, 'g', 17)
                               .arg(start, 0, 'g', 17)
                               .arg(start + 1.0 / 48, 0, 'g', 17)
                               .arg(slot));
        connection.Execute(
            QStringLiteral("INSERT INTO tblCounsellerSessionLink (SessionID, CounsellerID) VALUES (%1, %2)")
                .arg(connection.LastInsertId())
                .arg(resource));
    }
    connection.Close();
}

/* The offscreen platform with a screen at ratio 1 and one at ratio 2, configured by a file in \a folder. */
void useTwoScreens(const QTemporaryDir &folder)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    const QString path = folder.filePath(QStringLiteral("screens.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(R"({"screens": [
        {"name": "standard", "x": 0, "y": 0, "width": 1920, "height": 1080, "dpr": 1.0},
        {"name": "hidpi", "x": 1920, "y": 0, "width": 1920, "height": 1080, "dpr": 2.0}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + path.toLocal8Bit());
}

/* The screen of device pixel ratio \a ratio, if there is one. */
QScreen *screenAt(qreal ratio)
{
    for (QScreen *screen : QGuiApplication::screens())
        if (screen->devicePixelRatio() == ratio)
            return screen;
    return nullptr;
}

std::unique_ptr<Hourlet> boundDayView(QScreen *screen = nullptr)
{
    auto hourlet = std::make_unique<Hourlet>();
    if (screen) {
        hourlet->setScreen(screen);
        hourlet->move(screen->geometry().topLeft());
        hourlet->winId(); // a window on that screen, not shown
    }
    hourlet->InitProperties();
    hourlet->resize(viewSize);
    hourlet->setShowTimeScale(true);
    hourlet->setConnectionString(Sessara::PracticeDatabase(databasePath).connectionString());
    hourlet->setActiveDate(OleDate::fromDate(loadDay));
    hourlet->setResource(resource);
    return hourlet;
}

void fullRepaintAt(benchmark::State &state, qreal ratio)
{
    QScreen *screen = screenAt(ratio);
    if (!screen) {
        state.SkipWithError("no screen of that device pixel ratio");
        return;
    }
    auto hourlet = boundDayView(screen);
    if (hourlet->devicePixelRatio() != ratio) {
        state.SkipWithError("the day view is not at that device pixel ratio");
        return;
    }
    for (auto _ : state)
        hourlet->UpdateDisplay();
    state.counters["appointments"] = hourlet->itemCount() + 1;
}

void BM_FullRepaint(benchmark::State &state)
{
    fullRepaintAt(state, 1.0);
}

void BM_FullRepaintRatio2(benchmark::State &state)
{
    fullRepaintAt(state, 2.0);
}

// The same day read through SQLite's C API, every field of every row.
void loadRaw(sqlite3 *db, const QByteArray &query)
{
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db, query.constData(), int(query.size()), &statement, nullptr);
    const int count = sqlite3_column_count(statement);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int i = 0; i < count; ++i) {
            if (sqlite3_column_type(statement, i) == SQLITE_TEXT)
                benchmark::DoNotOptimize(
                    QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, i)),
                                      sqlite3_column_bytes(statement, i)));
            else
                benchmark::DoNotOptimize(sqlite3_column_double(statement, i));
        }
    }
    sqlite3_finalize(statement);
}

void BM_Baseline(benchmark::State &state)
{
    QImage image(viewSize, QImage::Format_RGB32);
    const QByteArray path = databasePath.toUtf8();
    const QByteArray query =
        QStringLiteral(
            "Select * from tblSession, tblCounsellerSessionLink WHERE (tblSession.SessionDate = %1 Or "
            "(tblSession.starttime <= %1 and tblSession.endtime >= %1)) and tblSession.SessionID = "
            "tblCounsellerSessionLink.SessionID and tblCounsellerSessionLink.CounsellerID = %2 and Cancelled = 0")
            .arg(OleDate::fromDate(loadDay).value())
            .arg(resource)
            .toUtf8();
    int shade = 0;
    for (auto _ : state) {
        for (int fill = 0; fill < 6; ++fill)
            image.fill(QColor(shade++ & 0xFF, 0x80, 0x40));
        sqlite3 *db = nullptr;
        sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
        loadRaw(db, query);
        sqlite3_close(db);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_SweepStep(benchmark::State &state)
{
    auto hourlet = boundDayView();
    hourlet->setSelectionHighlight(true);
    const auto send = [&](QEvent::Type type, int y, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(400, y), QPointF(400, y), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(hourlet.get(), &event);
    };
    send(QEvent::MouseButtonPress, 400, Qt::LeftButton);
    int step = 0;
    for (auto _ : state)
        send(QEvent::MouseMove, 400 + 16 * (++step % 8), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, 400, Qt::NoButton);
}

BENCHMARK(BM_Baseline)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRepaintRatio2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SweepStep)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir folder;
    useTwoScreens(folder);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    databasePath = folder.filePath(QStringLiteral("practice-large.db"));
    Sessara::PracticeDatabase database(databasePath);
    database.create();
    database.fillLarge(largeSize, firstDay);
    fillTheDay();

    OlvarBenchmarks::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nfull repaint / (six fills + raw SQLite load): %.2f (goal at most 3)\n",
                reporter.ratio("BM_FullRepaint", "BM_Baseline"));
    std::printf("full repaint at device pixel ratio 2 / at ratio 1: %.2f\n",
                reporter.ratio("BM_FullRepaintRatio2", "BM_FullRepaint"));
    std::printf("sweep step: %.3f ms (goal under 1 ms)\n", reporter.time("BM_SweepStep") / 1000.0);
    benchmark::Shutdown();
    return 0;
}
