#pragma once

#include <fontconfig/fontconfig.h>

// The program reads a fontconfig configuration of its own: the usual font
// folders with their caches, and Debian's rendering settings (slight hinting,
// greyscale antialiasing, synthetic bold and italic). The desktop's thirty-odd
// files of rules and aliases are not read, so text looks the same on every
// desktop, and each face the window loads is matched in a fraction of the
// time.

// That configuration, read from `text` (the program's own when null), or
// nullptr when its folders lack one of the faces the window names and all
// their stand-ins. The caller owns it.
FcConfig* own_font_configuration(const char* text = nullptr);

// Makes the program's own configuration fontconfig's current one. A
// configuration named by FONTCONFIG_FILE or FONTCONFIG_PATH is read instead,
// as is the system's when the own one lacks a face.
void load_font_configuration();
