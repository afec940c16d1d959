#pragma once

#include "ui/layout.h"

#include <QFont>

#include <array>

// A face the layout names, which a Linux desktop rarely has, and the faces
// that stand in for it, best first (nullptr ends a shorter list).
struct NamedFace {
    const char* name;
    std::array<const char*, 2> standins;
};

const std::array<NamedFace, 3>& named_faces();

void register_font_substitutes();

QFont font_for(FontId id);
