// SPDX-License-Identifier: MIT
#pragma once

#include "logic/form_events.h"

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace wave {

// A seeded stream of the learner's presses, weighted per event, that can
// tell which presses led up to where it stands.
class RandomPresses {
public:
    using Weight = std::function<double(const FormEvent&)>;

    RandomPresses(std::uint64_t seed, const Weight& weight)
        : rng_(seed), events_(all_form_events()) {
        std::vector<double> weights;
        for (const FormEvent& e : events_) {
            weights.push_back(weight(e));
        }
        pick_ = std::discrete_distribution<std::size_t>(weights.begin(), weights.end());
    }

    const FormEvent& next() {
        const FormEvent& e = events_[pick_(rng_)];
        recent_.push_back(e.name());
        if (recent_.size() > kRecent) {
            recent_.pop_front();
        }
        return e;
    }

    std::string recent() const {
        std::ostringstream out;
        for (const std::string& name : recent_) {
            out << "\n  " << name;
        }
        return out.str();
    }

    // A number from the environment, or the fallback when unset or not a number.
    static std::uint64_t from_environment(const char* name, std::uint64_t fallback) {
        const char* text = std::getenv(name);
        if (text == nullptr || *text == '\0') {
            return fallback;
        }
        char* end = nullptr;
        const unsigned long long value = std::strtoull(text, &end, 10);
        return *end == '\0' ? value : fallback;
    }

private:
    static constexpr std::size_t kRecent = 12;
    std::mt19937_64 rng_;
    std::vector<FormEvent> events_;
    std::discrete_distribution<std::size_t> pick_;
    std::deque<std::string> recent_;
};

// Weights of the sequences both test suites run.
inline double evenly(const FormEvent&) {
    return 1.0;
}

// The span climbs past the plots' pixel columns (about a third of a second
// a press), where the grid is thinned.
inline double long_spans(const FormEvent& e) {
    const std::string c = e.control;
    if (c == "SpinButton1") {
        return e.action == FormEvent::Action::SpinUp ? 20.0 : 1.0;
    }
    return c == "Command1" ? 0.0 : 1.0;
}

// Amplitude and frequency presses often enough to sit on their limits.
inline double near_limits(const FormEvent& e) {
    const std::string c = e.control;
    return c == "SpinButton3" || c == "SpinButton4" ? 4.0 : 1.0;
}

} // namespace wave
