// SPDX-License-Identifier: MIT
#include "frontend/spoken_names.h"
#include "ui/layout.h"

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

TEST(AccessibleNames, EveryControlHasASpokenNameOfItsOwn) {
    std::map<std::string, std::string> first_named;
    for (const ControlRow& entry : window_layout()) {
        const std::string object = object_name(entry.ref);
        const std::string spoken = spoken_name(entry.ref, Language::English);
        EXPECT_FALSE(spoken.empty()) << object;
        EXPECT_NE(spoken, object) << "a numbered default name says nothing to a listener";
        const auto [it, fresh] = first_named.emplace(spoken, object);
        EXPECT_TRUE(fresh) << object << " and " << it->second << " are both called \"" << spoken
                           << '"';
    }
    EXPECT_EQ(first_named.size(), 72u);
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
