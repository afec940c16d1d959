// SPDX-License-Identifier: MIT
#pragma once

#include "form/wave_settings.h"
#include "ui/number_text.h"

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace wave {

// What must hold of the settings after any sequence of presses, and the text
// every value label must then show. Shared by the logic and window tests.

inline bool whole(float v) {
    return std::isfinite(v) && std::floor(v) == v;
}

inline bool a_step(std::int16_t step) {
    return step == 10 || step == 5 || step == 2 || step == 1;
}

// One line per breach; empty when the record is sound.
inline std::vector<std::string> record_breaches(const WaveSettings& s) {
    std::vector<std::string> out;
    auto breach = [&out](const std::string& what, auto value) {
        std::ostringstream line;
        line << what << " = " << value;
        out.push_back(line.str());
    };
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string at = "(" + std::to_string(i) + ")";
        if (s.amp[i] < 0 || s.amp[i] > 109) {
            breach("amp" + at, s.amp[i]);
        }
        if (!(s.freq[i] >= 0.0f) || !whole(s.freq[i])) {
            breach("freq" + at, s.freq[i]);
        }
        if (s.is_cos[i] != VbTrue && s.is_cos[i] != VbFalse) {
            breach("is_cos" + at, s.is_cos[i]);
        }
    }
    if (!(s.span_t >= 1.0f) || !whole(s.span_t)) {
        breach("span_t", s.span_t);
    }
    if (!a_step(s.step_a)) {
        breach("step_a", s.step_a);
    }
    if (!a_step(s.step_f)) {
        breach("step_f", s.step_f);
    }
    // What no press may touch.
    if (s.pi != 3.14159 || s.y_range != 10 || s.last_comp != 3 || s.amp_max != 100) {
        breach("constants changed: pi", s.pi);
    }
    if (s.amp[4] != 0 || s.freq[4] != 0.0f || s.is_cos[4] != 0) {
        breach("unused element 4 written: amp(4)", s.amp[4]);
    }
    return out;
}

struct LabelText {
    std::string name; // "Labela(0)", "labelt", ...
    std::string text;
};

inline std::vector<LabelText> expected_labels(const WaveSettings& s) {
    std::vector<LabelText> out;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string at = "(" + std::to_string(i) + ")";
        out.push_back({"Labela" + at, number_text(s.amp[i] / 10.0)});
        out.push_back({"Labelb" + at, number_text(s.freq[i] / 10.0f)});
    }
    out.push_back({"labelt", number_text(s.span_t)});
    out.push_back({"value_t", number_text(s.span_t)});
    return out;
}

} // namespace wave
