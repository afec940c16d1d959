// SPDX-License-Identifier: MIT
#include "frontend/apply_setup.h"
#include "frontend/setup_text.h"
#include "logic/form_events.h"
#include "logic/recording_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace wave {
namespace {

// What a plot shows now: its last scale and everything drawn since its last Cls.
std::vector<Op> shown(const RecordedForm& f, const std::string& control) {
    std::vector<Op> ops;
    Op scale;
    for (const Op& op : f.log) {
        if (op.control != control) {
            continue;
        }
        if (op.name == "Cls") {
            ops.clear();
        } else if (op.name == "Scale") {
            scale = op;
        } else {
            ops.push_back(op);
        }
    }
    ops.push_back(scale);
    return ops;
}

bool same(const std::vector<Op>& a, const std::vector<Op>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Op& x, const Op& y) {
        return x.name == y.name && x.args == y.args && x.text == y.text;
    });
}

// The switch of component i that was selected last.
std::string last_selected(const RecordedForm& f, std::size_t i) {
    std::string last;
    for (const Op& op : f.log) {
        if (op.name == "Value" && op.args.at(0) == 1.0f &&
            op.control.ends_with("(" + std::to_string(i) + ")")) {
            last = op.control;
        }
    }
    return last;
}

// A window reached by presses, and one given the text of where they led.
TEST(ApplySetup, ShowsWhatPressesWouldHaveShown) {
    const std::vector<FormEvent> events = all_form_events();
    std::mt19937_64 rng(11);
    for (int run = 0; run < 20 && !HasFailure(); ++run) {
        // Start-up's scales stay in the log: a plot may have no other.
        auto pressed = std::make_unique<RecordedForm>();
        pressed->form.Form_Load();
        for (int n = 0; n < 40; ++n) {
            events[rng() % events.size()].apply(pressed->form);
        }
        const std::string text = setup_text(pressed->form.settings);

        auto opened = RecordedForm::loaded();
        apply_setup(opened->form, opened->controls(),
                    read_setup("http://127.0.0.1:8000/#" + text, opened->form.settings));

        const WaveSettings& got = opened->form.settings;
        const WaveSettings& want = pressed->form.settings;
        EXPECT_EQ(std::tie(got.amp, got.freq, got.is_cos, got.span_t, got.step_a, got.step_f),
                  std::tie(want.amp, want.freq, want.is_cos, want.span_t, want.step_a, want.step_f))
            << text;
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(opened->Labela[i].text, pressed->Labela[i].text) << text;
            EXPECT_EQ(opened->Labelb[i].text, pressed->Labelb[i].text) << text;
            const bool cosine = pressed->form.settings.is_cos[i] != 0;
            EXPECT_EQ(last_selected(*opened, i),
                      (cosine ? "switch_c(" : "switch_s(") + std::to_string(i) + ")");
            const std::string plot = "Grph(" + std::to_string(i) + ")";
            EXPECT_TRUE(same(shown(*opened, plot), shown(*pressed, plot))) << plot << ' ' << text;
        }
        EXPECT_TRUE(same(shown(*opened, "Gr"), shown(*pressed, "Gr"))) << text;
        EXPECT_EQ(opened->labelt.text, pressed->labelt.text) << text;
        EXPECT_EQ(opened->value_t.text, pressed->value_t.text) << text;
    }
}

// Selected as a set-up's steps, and without a click: the record has them already.
TEST(ApplySetup, SelectsTheStepOptions) {
    const std::vector<std::pair<const char*, std::vector<std::string>>> cases = {
        {"", {"Option1", "Option5"}},
        {"step_a=0.5&step_f=0.2", {"Option3", "Option6"}},
        {"step_a=0.2&step_f=0.1", {"Option4", "Option7"}},
        {"step_a=0.1&step_f=0.5", {"Option2", "Option8"}},
    };
    for (const auto& [text, options] : cases) {
        auto f = RecordedForm::loaded();
        apply_setup(f->form, f->controls(), read_setup(text, f->form.settings));
        std::vector<std::string> selected;
        for (const Op& op : f->log) {
            if (op.control.starts_with("Option")) {
                EXPECT_EQ(op.name + " " + std::to_string(op.args.at(0)), "Value 1.000000") << text;
                selected.push_back(op.control);
            }
        }
        EXPECT_EQ(selected, options) << text;
    }
}

} // namespace
} // namespace wave
