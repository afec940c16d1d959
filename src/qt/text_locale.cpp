// SPDX-License-Identifier: MIT
#include "qt/text_locale.h"

#include <langinfo.h>

#include <clocale>
#include <cstring>
#include <initializer_list>

namespace desktop {

void use_utf8_character_type() {
    const char* codeset = nl_langinfo(CODESET);
    if (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0) {
        return;
    }
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
        if (std::setlocale(LC_CTYPE, name) != nullptr) {
            return;
        }
    }
}

} // namespace desktop
