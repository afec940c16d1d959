// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/language.h"

#include <span>
#include <string_view>

namespace wave {

enum class Action { CopySetup, PasteSetup, SaveCsv, CopyPicture, Print, PlaySound, StopSound };

// One entry of the window's menu. `keys` is written as Qt's QKeySequence
// reads it ("Ctrl+Shift+C"); play and stop share their key, the menu shows the
// one that applies.
struct ActionName {
    Action action;
    std::string_view keys;
    std::string_view japanese;
    std::string_view english;

    std::string_view name(Language language) const {
        return language == Language::English ? english : japanese;
    }
};

// In the menu's order.
std::span<const ActionName> action_names();

const ActionName& action_name(Action action);

// The one message a machine without a sound device gets when sound is asked for.
std::string_view no_sound_device(Language language);

} // namespace wave
