// SPDX-License-Identifier: MIT
#pragma once

#include "ui/layout.h"

#include <QFont>

namespace desktop {

void register_font_substitutes();

QFont font_for(wave::FontId id);

} // namespace desktop
