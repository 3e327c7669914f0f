// SPDX-FileCopyrightText: 2026 The Olvar developers
// SPDX-License-Identifier: MIT

#pragma once

// A console reporter that also keeps each benchmark's time, so a program can
// print ratios against a baseline measured in the same run.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace OlvarBenchmarks {

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    /// The time of \a name in its benchmark's unit, or 0 when it did not run.
    double time(const std::string &name) const
    {
        const auto found = times.find(name);
        return found == times.end() ? 0.0 : found->second;
    }

    /// The ratio of two benchmarks' times, or 0 when either did not run.
    double ratio(const std::string &numerator, const std::string &denominator) const
    {
        const double d = time(denominator);
        return d == 0.0 ? 0.0 : time(numerator) / d;
    }

    std::map<std::string, double> times;
};

} // namespace OlvarBenchmarks
