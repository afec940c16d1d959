// SPDX-License-Identifier: MIT
#include "frontend/clock.h"

#include <chrono>

namespace wave {

namespace {

class SteadyClock : public Clock {
public:
    Micros now() const override {
        return std::chrono::duration_cast<std::chrono::microseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

} // namespace

const Clock& steady_clock() {
    static const SteadyClock clock;
    return clock;
}

} // namespace wave
