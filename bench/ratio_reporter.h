// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

// The console report, plus the time per iteration of every benchmark kept by
// name, so the goals can be printed as ratios measured in the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colour only on a terminal, so the report can be read from a file.
    RatioReporter();

    void ReportRuns(const std::vector<Run>& runs) override;

    // CPU seconds per iteration; repeated runs give their median. Absent when
    // the benchmark was filtered out or failed.
    const double* seconds(const std::string& name) const;
    const std::map<std::string, double>& all() const { return seconds_; }
    // A figure measured elsewhere, to be set against this run's.
    void add(const std::string& name, double seconds) { seconds_[name] = seconds; }

private:
    std::map<std::string, double> seconds_;
};

struct RatioGoal {
    std::string label;
    std::string numerator;
    std::string denominator;
    double limit; // 0 for a figure shown only to explain the others
};

struct AbsoluteGoal {
    std::string label;
    std::string prefix; // every benchmark whose name starts with this
    double limit_seconds;
};

// One line per goal: the measured figure, the limit and "met" or "MISSED".
// Returns false when a goal whose benchmarks ran was missed.
bool print_goals(std::ostream& out, const RatioReporter& results,
                 const std::vector<RatioGoal>& ratios, const std::vector<AbsoluteGoal>& absolutes);
