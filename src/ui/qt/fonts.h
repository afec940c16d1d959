// SPDX-License-Identifier: MIT
#pragma once

#include "ui/layout.h"

#include <QFont>

void register_font_substitutes();

QFont font_for(FontId id);
