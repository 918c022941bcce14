// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The console table, then each benchmark that has a baseline: its CPU time and that time as a multiple of
// the baseline's (medians over --benchmark_repetitions; a single run is its own median), with the
// benchmark's counters beside them.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    // Gives the name of the baseline a benchmark is measured against, or an empty name for none.
    using BaselineOf = std::function<std::string(const std::string &name)>;

    RatioReporter(std::string title, BaselineOf baselineOf)
        : m_title(std::move(title)), m_baselineOf(std::move(baselineOf))
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            const std::string &name = run.run_name.function_name;
            m_units[name] = benchmark::GetTimeUnitString(run.time_unit);
            if (run.run_type == Run::RT_Iteration) {
                m_times[name].push_back(run.GetAdjustedCPUTime());
                m_counters[name] = run.counters;
            } else if (run.aggregate_name == "median") {
                m_medians[name] = run.GetAdjustedCPUTime();
            }
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n%-34s %14s %12s\n", m_title.c_str(), "CPU time", "/ baseline");
        const std::map<std::string, double> times = medians();
        for (const auto &[name, time] : times) {
            const auto baseline = times.find(m_baselineOf(name));
            if (baseline == times.end())
                continue;
            std::printf("%-34s %11.1f %-2s %12.2f", name.c_str(), time, m_units[name].c_str(),
                        time / baseline->second);
            for (const auto &[counter, value] : m_counters[name])
                std::printf("   %s %.0f", counter.c_str(), double(value));
            std::printf("\n");
        }
    }

private:
    std::map<std::string, double> medians() const
    {
        std::map<std::string, double> result = m_medians;
        for (auto [name, times] : m_times) {
            std::sort(times.begin(), times.end());
            result.emplace(name, times[times.size() / 2]);
        }
        return result;
    }

    std::string m_title;
    BaselineOf m_baselineOf;
    std::map<std::string, std::vector<double>> m_times;
    std::map<std::string, benchmark::UserCounters> m_counters;
    std::map<std::string, std::string> m_units;
    std::map<std::string, double> m_medians;
};
