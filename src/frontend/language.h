// SPDX-License-Identifier: MIT
#pragma once

#include <span>
#include <string>

namespace wave {

enum class Language { Japanese, English };

// The first of the user's languages, best first ("en-US", "ja_JP.UTF-8",
// "ja"), that this program speaks; Japanese when none of them is Japanese or
// English.
Language pick_language(std::span<const std::string> preferred);

} // namespace wave
