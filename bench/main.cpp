#include "ratio_reporter.h"
#include "ui/qt/startup.h"

#include <benchmark/benchmark.h>

#include <QApplication>

#include <iostream>

int main(int argc, char** argv) {
    // The real widgets, without a screen: only drawing into the kept images counts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    prepare_application(app);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    print_goals(std::cout, reporter,
                {{"amplitude press / arithmetic floor", "AmplitudePress", "ArithmeticFloor", 3.0},
                 {"  the same press with nothing drawn / arithmetic floor",
                  "AmplitudePressLogicOnly", "ArithmeticFloor", 0.0},
                 {"span press at 10^6 s / at 10 s", "SpanPress/1000000", "SpanPress/10", 2.0}},
                {{"every event", "Event/", 1e-3}});
    benchmark::Shutdown();
    return 0;
}
