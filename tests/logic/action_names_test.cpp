// SPDX-License-Identifier: MIT
#include "frontend/action_names.h"
#include "frontend/language.h"
#include "frontend/spoken_names.h"
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace wave {
namespace {

// Play and stop are one key that toggles; no other two share one, and none
// takes a key the window already answers to.
TEST(ActionNames, EveryActionHasAKeyOfItsOwnAndANameInBothLanguages) {
    std::set<std::string_view> keys = {"Tab", "Shift+Tab", "Up", "Down", "Space", "Ctrl+Q"};
    std::set<std::string_view> names;
    for (const ActionName& a : action_names()) {
        EXPECT_TRUE(a.action == Action::StopSound || keys.insert(a.keys).second) << a.keys;
        for (Language language : {Language::Japanese, Language::English}) {
            EXPECT_FALSE(a.name(language).empty());
            EXPECT_TRUE(names.insert(a.name(language)).second) << a.name(language);
        }
    }
    EXPECT_EQ(action_name(Action::PlaySound).keys, action_name(Action::StopSound).keys);
    EXPECT_EQ(action_name(Action::CopySetup).keys, "Ctrl+Shift+C");
    EXPECT_EQ(action_names().size(), 7u);
}

TEST(Language, TheFirstSpokenPreferenceWins) {
    const struct {
        std::vector<std::string> preferred;
        Language want;
    } cases[] = {
        {{}, Language::Japanese},
        {{"ja-JP"}, Language::Japanese},
        {{"en-US"}, Language::English},
        {{"EN"}, Language::English},
        {{"en_GB.UTF-8"}, Language::English},
        {{"fr-FR", "de"}, Language::Japanese},
        {{"fr-FR", "en-GB", "ja"}, Language::English},
        {{"de", "ja_JP.UTF-8", "en"}, Language::Japanese},
        {{"eng", "english", "jav"}, Language::Japanese},
        {{"C", ""}, Language::Japanese},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pick_language(c.preferred), c.want) << testing::PrintToString(c.preferred);
    }
}

TEST(SpokenNames, EnglishStaysAsItIsAndJapaneseNamesEveryControlApart) {
    std::set<std::string> japanese;
    for (const ControlRow& row : window_layout()) {
        const std::string object = object_name(row.ref);
        const std::string spoken = spoken_name(row.ref, Language::Japanese);
        EXPECT_FALSE(spoken.empty()) << object;
        EXPECT_TRUE(japanese.insert(spoken).second) << object << ": " << spoken;
        // An array member names its own wave and no other.
        for (int wave = 0; row.ref.index >= 0 && wave < 5; ++wave) {
            const std::string letter = std::string("波") + static_cast<char>('A' + wave);
            EXPECT_EQ(spoken.find(letter) != std::string::npos, wave == row.ref.index) << spoken;
        }
    }
    EXPECT_EQ(japanese.size(), 72u);
    EXPECT_EQ(spoken_name({"Labela", 4}, Language::Japanese), "");
}

} // namespace
} // namespace wave
