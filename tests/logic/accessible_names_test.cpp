// SPDX-License-Identifier: MIT
#include "frontend/events.h"
#include "frontend/spoken_names.h"
#include "recording_controls.h"
#include "ui/layout.h"
#include "ui/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <ostream>
#include <string>

using namespace wave;

namespace {

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return s;
}

// Controls and a spinner's arrows alike: a listener tells each from the others.
TEST(AccessibleNames, EveryControlAndArrowHasASpokenNameOfItsOwnInBothLanguages) {
    for (const Language language : {Language::English, Language::Japanese}) {
        std::map<std::string, std::string> first_named;
        const auto add = [&](const std::string& spoken, const std::string& what) {
            EXPECT_FALSE(spoken.empty()) << what;
            const auto [it, fresh] = first_named.emplace(spoken, what);
            EXPECT_TRUE(fresh) << what << " and " << it->second << " are both called \"" << spoken
                               << '"';
        };
        for (const ControlRow& entry : window_layout()) {
            const std::string object = object_name(entry.ref);
            const std::string spoken = spoken_name(entry.ref, language);
            EXPECT_NE(spoken, object) << "a numbered default name says nothing to a listener";
            add(spoken, object);
            if (entry.kind == ControlKind::SpinButton) {
                add(spoken_arrow(entry.ref, SpinArrow::Up, language), object + " up");
                add(spoken_arrow(entry.ref, SpinArrow::Down, language), object + " down");
            } else {
                EXPECT_EQ(spoken_arrow(entry.ref, SpinArrow::Up, language), "") << object;
            }
        }
        EXPECT_EQ(first_named.size(), 72u + 2 * 9u);
    }
}

TEST(AccessibleNames, AnArrowSaysItsSpinnersQuantityAndWhichWay) {
    const ControlRef amplitude_b{"SpinButton3", 1};
    EXPECT_EQ(spoken_arrow(amplitude_b, SpinArrow::Up, Language::English),
              "Amplitude of wave B, up");
    EXPECT_EQ(spoken_arrow(amplitude_b, SpinArrow::Down, Language::Japanese), "波Bの振幅を下げる");
    EXPECT_EQ(spoken_arrow({"SpinButton4", 3}, SpinArrow::Up, Language::Japanese),
              "波Dの周波数を上げる");
    EXPECT_EQ(spoken_arrow({"SpinButton1"}, SpinArrow::Down, Language::English), "Time span, down");
    EXPECT_EQ(spoken_arrow({"SpinButton3", 4}, SpinArrow::Up, Language::English), "");
    EXPECT_EQ(spoken_arrow({"SpinButton1", 0}, SpinArrow::Up, Language::English), "");
}

// What a screen reader gives as a spinner's value and minimum is what the
// window's handlers do: pressed down far enough, the label stops there.
TEST(AccessibleNames, ASpinnersValueIsItsLabelAndStopsAtItsMinimum) {
    int spinners = 0;
    for (const ControlRow& entry : window_layout()) {
        const std::optional<SpinnerValue> value = spinner_value(entry.ref);
        ASSERT_EQ(value.has_value(), entry.kind == ControlKind::SpinButton)
            << object_name(entry.ref);
        if (!value) {
            continue;
        }
        ++spinners;
        EXPECT_TRUE(shows_a_value(value->label)) << object_name(value->label);
        auto recorded = RecordedForm::loaded();
        const std::string label = object_name(value->label);
        const ControlEvents events = events_of(recorded->form, entry.ref);
        ASSERT_TRUE(events.SpinDown);
        events.SpinUp();
        for (int n = 0; n < 200; ++n) {
            events.SpinDown();
        }
        std::string last;
        for (const Op& op : recorded->log) {
            if (op.control == label && op.name == "Caption") {
                last = op.text;
            }
        }
        EXPECT_EQ(last, number_text(static_cast<double>(value->minimum))) << label;
    }
    EXPECT_EQ(spinners, 9);
}

TEST(AccessibleNames, AnArrayMemberNamesItsOwnWave) {
    for (const ControlRow& entry : window_layout()) {
        if (entry.ref.index < 0) {
            continue;
        }
        const std::string wave = std::string("wave ") + static_cast<char>('a' + entry.ref.index);
        const std::string spoken = lower(spoken_name(entry.ref, Language::English));
        EXPECT_NE(spoken.find(wave), std::string::npos) << object_name(entry.ref) << ": " << spoken;
        for (char other = 'a'; other <= 'e'; ++other) {
            if (other != wave.back()) {
                EXPECT_EQ(spoken.find(std::string("wave ") + other), std::string::npos) << spoken;
            }
        }
    }
}

TEST(AccessibleNames, AStepOptionSaysTheStepItShows) {
    int options = 0;
    for (const ControlRow& entry : window_layout()) {
        if (entry.ref.name.starts_with("Option")) {
            const std::string spoken = spoken_name(entry.ref, Language::English);
            const std::string shown(entry.caption);
            ASSERT_GE(spoken.size(), shown.size() + 1);
            EXPECT_EQ(spoken.substr(spoken.size() - shown.size() - 1), ' ' + shown) << spoken;
            ++options;
        }
    }
    EXPECT_EQ(options, 8);
}

// A speech user says what the button shows.
TEST(AccessibleNames, TheResetButtonsNameHoldsItsCaptionInBothLanguages) {
    for (const Language language : {Language::English, Language::Japanese}) {
        std::string spoken = spoken_name({"Command1"}, language);
        std::transform(spoken.begin(), spoken.end(), spoken.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
        EXPECT_NE(spoken.find("RESET"), std::string::npos) << spoken;
    }
}

TEST(AccessibleNames, AStepOptionSaysWhichStepItSets) {
    // Frame11 holds the amplitude steps, Frame12 the frequency steps.
    for (const ControlRow& entry : window_layout()) {
        if (entry.ref.name.starts_with("Option")) {
            const std::string group = entry.container.name == "Frame11" ? "amplitude" : "frequency";
            EXPECT_NE(spoken_name(entry.ref, Language::English).find(group), std::string::npos)
                << object_name(entry.ref);
        }
    }
}

struct Unknown {
    const char* name;
    ControlRef ref;
};

void PrintTo(const Unknown& row, std::ostream* os) {
    *os << row.name;
}

class NoSuchControl : public testing::TestWithParam<Unknown> {};

TEST_P(NoSuchControl, HasNoName) {
    EXPECT_EQ(spoken_name(GetParam().ref, Language::English), "");
}

INSTANTIATE_TEST_SUITE_P(AccessibleNames, NoSuchControl,
                         testing::Values(Unknown{"UnknownName", {"Frame99"}},
                                         Unknown{"ArrayIndexPastD", {"Grph", 4}},
                                         Unknown{"ArrayWithoutIndex", {"Labela"}},
                                         Unknown{"SingleWithIndex", {"Frame5", 0}},
                                         Unknown{"TheWindowItself", {}}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
