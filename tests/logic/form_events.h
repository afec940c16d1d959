// SPDX-License-Identifier: MIT
#pragma once

#include "form/form1.h"

#include <cstdint>
#include <string>
#include <vector>

namespace wave {

// The 35 events the learner can raise, each named by its control as the
// window names it, so one table drives the logic, the widgets and the benchmarks.
struct FormEvent {
    enum class Action { Click, SpinUp, SpinDown };

    const char* control; // "SpinButton3", "Option5", "Command1", ...
    std::int16_t index;  // -1 for a control that is not in an array
    Action action;
    void (Form1::*plain)() = nullptr;
    void (Form1::*indexed)(std::int16_t) = nullptr;

    std::string object_name() const {
        return index < 0 ? control : std::string(control) + "(" + std::to_string(index) + ")";
    }

    std::string name() const {
        static constexpr const char* actions[] = {"Click", "SpinUp", "SpinDown"};
        return object_name() + "." + actions[static_cast<int>(action)];
    }

    void apply(Form1& form) const {
        if (indexed != nullptr) {
            (form.*indexed)(index);
        } else {
            (form.*plain)();
        }
    }
};

inline std::vector<FormEvent> all_form_events() {
    using A = FormEvent::Action;
    std::vector<FormEvent> events{
        {"Option1", -1, A::Click, &Form1::Option1_Click},
        {"Option2", -1, A::Click, &Form1::Option2_Click},
        {"Option3", -1, A::Click, &Form1::Option3_Click},
        {"Option4", -1, A::Click, &Form1::Option4_Click},
        {"Option5", -1, A::Click, &Form1::Option5_Click},
        {"Option6", -1, A::Click, &Form1::Option6_Click},
        {"Option7", -1, A::Click, &Form1::Option7_Click},
        {"Option8", -1, A::Click, &Form1::Option8_Click},
    };
    for (std::int16_t i = 0; i < 4; ++i) {
        events.push_back({"SpinButton3", i, A::SpinUp, nullptr, &Form1::SpinButton3_SpinUp});
        events.push_back({"SpinButton3", i, A::SpinDown, nullptr, &Form1::SpinButton3_SpinDown});
        events.push_back({"SpinButton4", i, A::SpinUp, nullptr, &Form1::SpinButton4_SpinUp});
        events.push_back({"SpinButton4", i, A::SpinDown, nullptr, &Form1::SpinButton4_SpinDown});
        events.push_back({"switch_c", i, A::Click, nullptr, &Form1::switch_c_Click});
        events.push_back({"switch_s", i, A::Click, nullptr, &Form1::switch_s_Click});
    }
    events.push_back({"SpinButton1", -1, A::SpinUp, &Form1::SpinButton1_SpinUp});
    events.push_back({"SpinButton1", -1, A::SpinDown, &Form1::SpinButton1_SpinDown});
    events.push_back({"Command1", -1, A::Click, &Form1::Command1_Click});
    return events;
}

} // namespace wave
