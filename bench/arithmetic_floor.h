// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>

// What one amplitude press must compute however it draws: 400 samples of one
// component and 400 of the four-term sum, with the plots' arithmetic.
inline void arithmetic_floor(benchmark::State& state) {
    // Read through volatile so the compiler knows the record no better than
    // the plots do. (benchmark 1.7's DoNotOptimize lost a double's value here.)
    static volatile double record[] = {3.14159, 1.0, 5.0, 6.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0};
    const double pi = record[0];
    const auto span = static_cast<float>(record[1]);
    const std::array<double, 4> amp{record[2], record[3], record[4], record[5]};
    const std::array<float, 4> freq{static_cast<float>(record[6]), static_cast<float>(record[7]),
                                    static_cast<float>(record[8]), static_cast<float>(record[9])};
    const double h = static_cast<double>(span) * pi / 200.0;
    const double xe = pi * static_cast<double>(2.0f * span);
    for (auto _ : state) {
        for (double x = 0.0; x <= xe; x += h) {
            auto y = static_cast<float>(amp[1] * std::cos(static_cast<double>(freq[1]) * x));
            benchmark::DoNotOptimize(y);
        }
        for (double x = 0.0; x <= xe; x += h) {
            float y = 0.0f;
            for (std::size_t k = 0; k < 4; ++k) {
                const double arg = static_cast<double>(freq[k]) * x;
                y = static_cast<float>(static_cast<double>(y) + amp[k] * std::cos(arg));
            }
            benchmark::DoNotOptimize(y);
        }
    }
}

// The line the clean process ends its report with, for the one that started it.
inline constexpr const char* kCleanFloorLine = "clean arithmetic floor, seconds: ";
