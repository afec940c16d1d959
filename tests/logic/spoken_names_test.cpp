// SPDX-License-Identifier: MIT
#include "frontend/spoken_names.h"
#include "ui/accessible_names.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace wave {
namespace {

TEST(SpokenNames, EnglishIsWhatScreenReadersSayToday) {
    for (const ControlRow& row : window_layout()) {
        EXPECT_EQ(spoken_name(row.ref, Language::English), accessible_name(row.ref))
            << object_name(row.ref);
    }
}

TEST(SpokenNames, EveryControlHasAJapaneseNameOfItsOwn) {
    std::map<std::string, std::string> first_named;
    for (const ControlRow& row : window_layout()) {
        const std::string object = object_name(row.ref);
        const std::string spoken = spoken_name(row.ref, Language::Japanese);
        EXPECT_FALSE(spoken.empty()) << object;
        EXPECT_NE(spoken, accessible_name(row.ref)) << object;
        const auto [it, fresh] = first_named.emplace(spoken, object);
        EXPECT_TRUE(fresh) << object << " and " << it->second << " are both called " << spoken;
    }
    EXPECT_EQ(first_named.size(), 72u);
}

TEST(SpokenNames, AJapaneseArrayMemberNamesItsOwnWave) {
    for (const ControlRow& row : window_layout()) {
        if (row.ref.index < 0) {
            continue;
        }
        const std::string spoken = spoken_name(row.ref, Language::Japanese);
        for (char letter = 'A'; letter <= 'E'; ++letter) {
            const bool own = letter == 'A' + row.ref.index;
            EXPECT_EQ(spoken.find(std::string("波") + letter) != std::string::npos, own)
                << object_name(row.ref) << ": " << spoken;
        }
    }
}

TEST(SpokenNames, AJapaneseStepOptionSaysTheStepItShows) {
    for (const ControlRow& row : window_layout()) {
        if (row.ref.name.starts_with("Option")) {
            const std::string spoken = spoken_name(row.ref, Language::Japanese);
            const std::string shown = ' ' + std::string(row.caption);
            ASSERT_GE(spoken.size(), shown.size());
            EXPECT_EQ(spoken.substr(spoken.size() - shown.size()), shown) << spoken;
        }
    }
}

TEST(SpokenNames, NoNameForAControlTheWindowLacks) {
    for (Language language : {Language::Japanese, Language::English}) {
        EXPECT_EQ(spoken_name({"Labela", 4}, language), "");
        EXPECT_EQ(spoken_name({"Nothing", -1}, language), "");
    }
}

} // namespace
} // namespace wave
