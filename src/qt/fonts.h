// SPDX-License-Identifier: MIT
#pragma once

#include "ui/layout.h"

#include <QFont>

namespace desktop {

void register_font_substitutes();

// One line on stderr when a face the layout names has no stand-in installed.
void warn_of_missing_fonts();

QFont font_for(wave::FontId id);

} // namespace desktop
