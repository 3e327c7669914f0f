// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

// The week view against its seven columns, and the side-by-side layout.
//
// - A week view's date change and its scroll step (all seven columns repaint,
//   each reading its day from the practice database) against seven single day
//   views doing the same for the same days, in the same run.
// - A day view's scroll step.
// - OverlapLayout with 200 appointments against sorting the same ranges, and
//   a repaint of a day of 200 appointments side by side against full width.
// Prints the ratios and times.

#include "appointmentlistmodel.h"
#include "connection.h"
#include "hourlet.h"
#include "oledate.h"
#include "overlaplayout.h"
#include "practicedatabase.h"
#include "weekview.h"

#include <QApplication>
#include <QTemporaryDir>

#include "ratioreporter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

using namespace OlvarControls;

namespace {

constexpr int largeSize = 100000;
constexpr int resource = 3;
const QDate firstDay(2015, 1, 5);
const QDate weekA(2015, 1, 19); // Mondays
const QDate weekB(2015, 1, 26);

QString connectionString;

std::unique_ptr<Hourlet> dayView(QDate day, QSize size = QSize(160, 600))
{
    auto hourlet = std::make_unique<Hourlet>();
    hourlet->InitProperties();
    hourlet->resize(size);
    hourlet->setConnectionString(connectionString);
    hourlet->setResource(resource);
    hourlet->setActiveDate(OleDate::fromDate(day));
    return hourlet;
}

std::unique_ptr<WeekView> weekView()
{
    auto view = std::make_unique<WeekView>();
    view->InitProperties();
    view->resize(1120, 600);
    view->setConnectionString(connectionString);
    view->setResource(resource);
    view->setActiveDate(OleDate::fromDate(weekA));
    return view;
}

void BM_WeekDateChange(benchmark::State &state)
{
    auto view = weekView();
    bool other = false;
    for (auto _ : state)
        view->setActiveDate(OleDate::fromDate((other = !other) ? weekB : weekA));
}

void BM_SevenDaysDateChange(benchmark::State &state)
{
    std::array<std::unique_ptr<Hourlet>, 7> days;
    for (int i = 0; i < 7; ++i)
        days[std::size_t(i)] = dayView(weekA.addDays(i));
    bool other = false;
    for (auto _ : state) {
        other = !other;
        for (int i = 0; i < 7; ++i)
            days[std::size_t(i)]->setActiveDate(OleDate::fromDate((other ? weekB : weekA).addDays(i)));
    }
}

void BM_WeekScrollStep(benchmark::State &state)
{
    auto view = weekView();
    int step = 0;
    for (auto _ : state)
        view->column(0)->setVScrollValue(qint16(16 * (++step % 8)));
}

void BM_SevenDaysScrollStep(benchmark::State &state)
{
    std::array<std::unique_ptr<Hourlet>, 7> days;
    for (int i = 0; i < 7; ++i)
        days[std::size_t(i)] = dayView(weekA.addDays(i));
    int step = 0;
    for (auto _ : state) {
        ++step;
        for (auto &day : days)
            day->setVScrollValue(qint16(16 * (step % 8)));
    }
}

void BM_DayScrollStep(benchmark::State &state)
{
    auto hourlet = dayView(weekA.addDays(2), QSize(800, 600));
    int step = 0;
    for (auto _ : state)
        hourlet->setVScrollValue(qint16(16 * (++step % 8)));
}

// What each column's load pays before its query: opening and closing a connection.
void BM_ConnectionOpenClose(benchmark::State &state)
{
    for (auto _ : state) {
        DataAccess::Connection connection(connectionString);
        connection.Open();
        connection.Close();
    }
}

/* 200 appointments of 30 to 120 minutes spread over the day, on the grid. */
QList<OverlapLayout::Range> crowdedDay()
{
    QList<OverlapLayout::Range> ranges;
    for (int i = 0; i < 200; ++i) {
        const int start = 59 + 16 * ((i * 7) % 44);
        ranges.append({start, start + 16 * (1 + (i * 3) % 4)});
    }
    return ranges;
}

void BM_OverlapLayout200(benchmark::State &state)
{
    const QList<OverlapLayout::Range> ranges = crowdedDay();
    for (auto _ : state)
        benchmark::DoNotOptimize(OverlapLayout::place(ranges));
}

void BM_Sort200(benchmark::State &state)
{
    const QList<OverlapLayout::Range> ranges = crowdedDay();
    for (auto _ : state) {
        QList<OverlapLayout::Range> sorted = ranges;
        std::stable_sort(sorted.begin(), sorted.end(), [](const auto &a, const auto &b) { return a.begin < b.begin; });
        benchmark::DoNotOptimize(sorted.constData());
    }
}

void repaint200(benchmark::State &state, bool sideBySide)
{
    Olvar::AppointmentListModel model;
    const QDate day(2026, 3, 11);
    for (const OverlapLayout::Range &range : crowdedDay()) {
        const QTime start = QTime(0, 0).addSecs((range.begin - 59) / 16 * 1800);
        const QTime end = QTime(0, 0).addSecs((range.end - 59) / 16 * 1800);
        model.addAppointment(QDateTime(day, start), QDateTime(day, end), QStringLiteral("Session"), resource);
    }
    Hourlet hourlet;
    hourlet.InitProperties();
    hourlet.resize(800, 900);
    hourlet.setResource(resource);
    hourlet.setActiveDate(OleDate::fromDate(day));
    hourlet.setModel(&model);
    hourlet.setOverlapLayout(sideBySide);
    for (auto _ : state)
        hourlet.UpdateDisplay();
}

void BM_Repaint200FullWidth(benchmark::State &state)
{
    repaint200(state, false);
}
void BM_Repaint200SideBySide(benchmark::State &state)
{
    repaint200(state, true);
}

BENCHMARK(BM_SevenDaysDateChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WeekDateChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SevenDaysScrollStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WeekScrollStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DayScrollStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConnectionOpenClose)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sort200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OverlapLayout200)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Repaint200FullWidth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint200SideBySide)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir folder;
    Sessara::PracticeDatabase database(folder.filePath(QStringLiteral("practice-large.db")));
    database.create();
    database.fillLarge(largeSize, firstDay);
    connectionString = database.connectionString();

    OlvarBenchmarks::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nweek date change / seven day views: %.2f (goal at most 1)\n",
                reporter.ratio("BM_WeekDateChange", "BM_SevenDaysDateChange"));
    std::printf("week scroll step / seven day views: %.2f (goal at most 1)\n",
                reporter.ratio("BM_WeekScrollStep", "BM_SevenDaysScrollStep"));
    std::printf("day scroll step: %.3f ms\n", reporter.time("BM_DayScrollStep"));
    std::printf("seven connections opened and closed / week scroll step: %.2f\n",
                7 * reporter.ratio("BM_ConnectionOpenClose", "BM_WeekScrollStep"));
    std::printf("OverlapLayout of 200 / sorting them: %.2f (%.1f us)\n",
                reporter.ratio("BM_OverlapLayout200", "BM_Sort200"), reporter.time("BM_OverlapLayout200"));
    std::printf("repaint of 200 side by side / full width: %.2f\n",
                reporter.ratio("BM_Repaint200SideBySide", "BM_Repaint200FullWidth"));
    benchmark::Shutdown();
    return 0;
}
