// SPDX-License-Identifier: MIT
#include "web/dom.h"

#include <map>

namespace web {

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

} // namespace web
