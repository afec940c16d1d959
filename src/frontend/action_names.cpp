// SPDX-License-Identifier: MIT
#include "frontend/action_names.h"

#include <algorithm>
#include <array>

namespace wave {

namespace {

// Sound is Ctrl+M: Ctrl+Space switches the input method on many Japanese
// desktops, and a plain letter would take the page's single-key navigation
// from screen readers. No control of the window uses it.
constexpr std::array<ActionName, 7> kActions{{
    {Action::CopySetup, "Ctrl+Shift+C", "設定をコピー", "Copy set-up"},
    {Action::PasteSetup, "Ctrl+V", "設定を貼り付け", "Paste set-up"},
    {Action::SaveCsv, "Ctrl+S", "CSVで保存", "Save as CSV"},
    {Action::CopyPicture, "Ctrl+C", "画像をコピー", "Copy picture"},
    {Action::Print, "Ctrl+P", "印刷", "Print"},
    {Action::PlaySound, "Ctrl+M", "音を鳴らす", "Play sound"},
    {Action::StopSound, "Ctrl+M", "音を止める", "Stop sound"},
}};

} // namespace

std::span<const ActionName> action_names() {
    return kActions;
}

const ActionName& action_name(Action action) {
    return *std::find_if(kActions.begin(), kActions.end(),
                         [action](const ActionName& a) { return a.action == action; });
}

std::string_view no_sound_device(Language language) {
    return language == Language::English
               ? "No sound device was found, so the sound cannot be played."
               : "音を出す装置が見つからないため、音を鳴らせません。";
}

} // namespace wave
