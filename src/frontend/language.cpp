// SPDX-License-Identifier: MIT
#include "frontend/language.h"

#include <algorithm>
#include <string_view>

namespace wave {

namespace {

// "en" of "en-US", "en_GB.UTF-8" or "EN".
bool primary_is(std::string_view tag, std::string_view code) {
    const std::string_view primary = tag.substr(0, tag.find_first_of("-_.@"));
    return std::equal(primary.begin(), primary.end(), code.begin(), code.end(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

} // namespace

Language pick_language(std::span<const std::string> preferred) {
    for (const std::string& tag : preferred) {
        if (primary_is(tag, "ja")) {
            return Language::Japanese;
        }
        if (primary_is(tag, "en")) {
            return Language::English;
        }
    }
    return Language::Japanese;
}

} // namespace wave
