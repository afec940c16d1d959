// SPDX-License-Identifier: MIT
#pragma once

#include "frontend/language.h"

namespace desktop {

// The window's language from the user's locale: English under an English
// locale and under the plain C locale, Japanese under any other.
wave::Language window_language();

} // namespace desktop
