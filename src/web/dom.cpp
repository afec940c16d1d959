// SPDX-License-Identifier: MIT
#include "web/dom.h"

#include <array>
#include <cstdio>

namespace web {

val document() {
    return val::global("document");
}

val create_element(const char* tag) {
    return document().call<val>("createElement", val(tag));
}

void set_style(const val& element, const char* property, const std::string& value) {
    element["style"].call<void>("setProperty", val(property), val(value));
}

std::string css_px(double pixels) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.6gpx", pixels);
    return text.data();
}

std::string css_colour(Colour colour) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", colour & 0xFFu, (colour >> 8) & 0xFFu,
                  (colour >> 16) & 0xFFu);
    return text.data();
}

} // namespace web
