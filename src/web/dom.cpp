// SPDX-License-Identifier: MIT
#include "web/dom.h"

#include "frontend/window.h"

#include <array>
#include <cstdio>
#include <map>

namespace web {

using namespace wave;

const val& browser_window() {
    static const val window = val::global("window");
    return window;
}

const val& document() {
    static const val document = val::global("document");
    return document;
}

const val& key(const char* name) {
    static std::map<const char*, val> names;
    auto found = names.find(name);
    if (found == names.end()) {
        found = names.emplace(name, val(name)).first;
    }
    return found->second;
}

val create_element(const char* tag) {
    return document().call<val>("createElement", val(tag));
}

void set_style(const val& element, const char* property, const std::string& value) {
    element[key("style")].call<void>("setProperty", key(property), val(value));
}

std::string css_px(double pixels) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.6gpx", pixels);
    return text.data();
}

std::string css_colour(Colour colour) {
    std::array<char, 8> text{};
    const Rgb rgb = rgb_of(colour);
    std::snprintf(text.data(), text.size(), "#%02x%02x%02x", rgb.red, rgb.green, rgb.blue);
    return text.data();
}

} // namespace web
