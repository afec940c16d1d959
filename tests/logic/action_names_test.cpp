// SPDX-License-Identifier: MIT
#include "frontend/action_names.h"
#include "frontend/language.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace wave {
namespace {

TEST(ActionNames, TheKeysAreTheOnesTheReadmeLists) {
    const struct {
        Action action;
        const char* keys;
    } cases[] = {
        {Action::CopySetup, "Ctrl+Shift+C"}, {Action::PasteSetup, "Ctrl+V"},
        {Action::SaveCsv, "Ctrl+S"},         {Action::CopyPicture, "Ctrl+C"},
        {Action::Print, "Ctrl+P"},           {Action::PlaySound, "Ctrl+M"},
        {Action::StopSound, "Ctrl+M"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(action_name(c.action).keys, c.keys);
    }
    EXPECT_EQ(action_names().size(), std::size(cases));
}

// Play and stop are one key that toggles; no other two share one, and none
// takes a key the window already answers to.
TEST(ActionNames, NoKeyIsTakenTwice) {
    std::set<std::string_view> taken = {"Tab", "Shift+Tab", "Up", "Down", "Space", "Ctrl+Q"};
    for (const ActionName& a : action_names()) {
        if (a.action == Action::StopSound) {
            continue;
        }
        EXPECT_TRUE(taken.insert(a.keys).second) << a.keys;
    }
}

TEST(ActionNames, EachLanguageNamesEveryActionApart) {
    for (Language language : {Language::Japanese, Language::English}) {
        std::set<std::string_view> names;
        for (const ActionName& a : action_names()) {
            EXPECT_FALSE(a.name(language).empty());
            EXPECT_TRUE(names.insert(a.name(language)).second) << a.name(language);
        }
    }
    for (const ActionName& a : action_names()) {
        EXPECT_NE(a.japanese, a.english);
    }
    EXPECT_NE(no_sound_device(Language::Japanese), no_sound_device(Language::English));
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
        {{"C", "POSIX"}, Language::Japanese},
        {{""}, Language::Japanese},
    };
    for (const auto& c : cases) {
        std::string joined;
        for (const std::string& tag : c.preferred) {
            joined += tag + ' ';
        }
        EXPECT_EQ(pick_language(c.preferred), c.want) << joined;
    }
}

} // namespace
} // namespace wave
