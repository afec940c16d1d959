#pragma once

#include "ui/layout.h"

#include <QFont>

// The layout names faces a Linux desktop rarely has; these stand in for them.
void register_font_substitutes();

QFont font_for(FontId id);
