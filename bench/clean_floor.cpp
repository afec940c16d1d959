// SPDX-License-Identifier: MIT
#include "arithmetic_floor.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>

// The arithmetic floor in a process that never loads the toolkit: whatever
// state the toolkit leaves the processor in cannot reach it.
int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("CleanArithmeticFloor", arithmetic_floor);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (const double* s = reporter.seconds("CleanArithmeticFloor")) {
        std::printf("%s%.9g\n", kCleanFloorLine, *s);
    }
    benchmark::Shutdown();
    return 0;
}
