// SPDX-License-Identifier: MIT
#include "clean_floor_run.h"
#include "qt/startup.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <iostream>
#include <optional>

using namespace desktop;

int main(int argc, char** argv) {
    // The real widgets, without a screen: only drawing into the kept images counts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Before Qt has started; the child is a program that never loads it.
    const std::optional<double> clean_floor = run_clean_floor(argc, argv);
    QApplication app(argc, argv);
    prepare_application(app);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    if (clean_floor) {
        reporter.add("CleanArithmeticFloor", *clean_floor);
    }
    benchmark::RunSpecifiedBenchmarks(&reporter);
    print_goals(std::cout, reporter,
                {{"amplitude press / clean arithmetic floor", "AmplitudePress",
                  "CleanArithmeticFloor", 3.0},
                 {"  the same press with nothing drawn / clean floor", "AmplitudePressLogicOnly",
                  "CleanArithmeticFloor", 0.0},
                 {"  the floor in this process, after Qt / clean floor", "ArithmeticFloor",
                  "CleanArithmeticFloor", 0.0},
                 {"  amplitude press / the floor in this process", "AmplitudePress",
                  "ArithmeticFloor", 0.0},
                 {"span press at 10^6 s / at 10 s", "SpanPress/1000000", "SpanPress/10", 2.0}},
                {{"every event", "Event/", 1e-3}});
    benchmark::Shutdown();
    return 0;
}
