// SPDX-License-Identifier: MIT
#include "ratio_reporter.h"

#include <cstdio>

#include <unistd.h>

RatioReporter::RatioReporter()
    : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_ColorTabular : OO_Tabular) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) {
            continue;
        }
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !median) {
            continue;
        }
        const double s = run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        std::string name = run.run_name.str();
        // With repetitions the median replaces the single runs under one name.
        if (median || seconds_.find(name) == seconds_.end() || run.repetitions <= 1) {
            seconds_[name] = s;
        }
    }
}

const double* RatioReporter::seconds(const std::string& name) const {
    const auto it = seconds_.find(name);
    return it == seconds_.end() ? nullptr : &it->second;
}

bool print_goals(std::ostream& out, const RatioReporter& results,
                 const std::vector<RatioGoal>& ratios, const std::vector<AbsoluteGoal>& absolutes) {
    bool all_met = true;
    char line[256];
    out << "\nGoals (CPU time per iteration, this run):\n";
    for (const RatioGoal& g : ratios) {
        const double* num = results.seconds(g.numerator);
        const double* den = results.seconds(g.denominator);
        if (num == nullptr || den == nullptr || *den <= 0.0) {
            out << "  " << g.label << ": not run\n";
            continue;
        }
        const double ratio = *num / *den;
        if (g.limit <= 0.0) {
            std::snprintf(line, sizeof line, "  %s: %.1f us / %.1f us = %.2fx\n", g.label.c_str(),
                          *num * 1e6, *den * 1e6, ratio);
            out << line;
            continue;
        }
        const bool met = ratio <= g.limit;
        all_met = all_met && met;
        std::snprintf(line, sizeof line, "  %s: %.1f us / %.1f us = %.2fx (goal <= %.1fx) %s\n",
                      g.label.c_str(), *num * 1e6, *den * 1e6, ratio, g.limit,
                      met ? "met" : "MISSED");
        out << line;
    }
    for (const AbsoluteGoal& g : absolutes) {
        const std::string* worst_name = nullptr;
        double worst = -1.0;
        int count = 0;
        for (const auto& [name, s] : results.all()) {
            if (name.rfind(g.prefix, 0) == 0) {
                ++count;
                if (s > worst) {
                    worst = s;
                    worst_name = &name;
                }
            }
        }
        if (worst_name == nullptr) {
            out << "  " << g.label << ": not run\n";
            continue;
        }
        const bool met = worst <= g.limit_seconds;
        all_met = all_met && met;
        std::snprintf(line, sizeof line,
                      "  %s: slowest of %d is %s at %.1f us (goal <= %.0f us) %s\n",
                      g.label.c_str(), count, worst_name->c_str(), worst * 1e6,
                      g.limit_seconds * 1e6, met ? "met" : "MISSED");
        out << line;
    }
    return all_met;
}
