// SPDX-License-Identifier: MIT
#pragma once

namespace desktop {

// Every text of the program is UTF-8. Under a locale of another character
// set (LANG=C) the X11 legacy window title would be written as if it were
// Latin-1; this switches the character type alone to UTF-8, and leaves
// numbers, dates and messages to the user's locale. Call it once the
// application object exists, since that sets the locale from the environment.
void use_utf8_character_type();

} // namespace desktop
