// SPDX-License-Identifier: MIT
#include "frontend/fonts.h"

#include <stdexcept>

namespace wave {

FontStyle font_style(FontId id) {
    switch (id) {
    case FontId::Times:
        return {Face::Times, 13, false, false};
    case FontId::TimesItalic:
        return {Face::Times, 13, false, true};
    case FontId::TimesSmall:
        return {Face::Times, 11, false, false};
    case FontId::GothicP:
        return {Face::GothicP, 13, false, false};
    case FontId::GothicBold:
        return {Face::Gothic, 13, true, false};
    case FontId::NoFont:
        break;
    }
    throw std::invalid_argument("no font");
}

} // namespace wave
