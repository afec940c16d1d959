// SPDX-License-Identifier: MIT
// Prints the window's layout table as JSON, with each control's spoken name:
// the site build takes the captions its fonts must draw from it, and the
// browser tests check the page against the table itself, not a copy.
#include "frontend/spoken_names.h"
#include "ui/layout.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

using namespace wave;

namespace {

const char* kind_name(ControlKind kind) {
    switch (kind) {
    case ControlKind::Frame:
        return "Frame";
    case ControlKind::Label:
        return "Label";
    case ControlKind::OptionButton:
        return "OptionButton";
    case ControlKind::CommandButton:
        return "CommandButton";
    case ControlKind::PictureBox:
        return "PictureBox";
    case ControlKind::SpinButton:
        return "SpinButton";
    }
    return "?";
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + '"';
}

// A spinner's arrows and value as the page speaks them; nothing for another control.
std::string spinner_fields(const ControlRef& ref) {
    const std::optional<SpinnerValue> value = spinner_value(ref);
    if (!value) {
        return {};
    }
    std::string fields = ", \"value_label\": " + quoted(object_name(value->label)) +
                         ", \"minimum\": " + std::to_string(value->minimum);
    for (const auto& [key, language] :
         {std::pair{"", Language::English}, std::pair{"_ja", Language::Japanese}}) {
        fields += std::string(", \"up") + key +
                  "\": " + quoted(spoken_arrow(ref, SpinArrow::Up, language)) + ", \"down" + key +
                  "\": " + quoted(spoken_arrow(ref, SpinArrow::Down, language));
    }
    return fields;
}

} // namespace

int main() {
    std::printf("[\n");
    bool first = true;
    for (const ControlRow& row : window_layout()) {
        const std::string container =
            row.container.name.empty() ? "null" : quoted(object_name(row.container));
        const std::string back = row.back ? std::to_string(*row.back) : "null";
        std::printf("%s  {\"name\": %s, \"kind\": \"%s\", \"container\": %s, \"caption\": %s, "
                    "\"left\": %d, \"top\": %d, \"width\": %d, \"height\": %d, \"back\": %s, "
                    "\"selected\": %s, \"tab\": %d, \"spoken\": %s, \"spoken_ja\": %s, "
                    "\"shows_value\": %s%s}",
                    first ? "" : ",\n", quoted(object_name(row.ref)).c_str(), kind_name(row.kind),
                    container.c_str(), quoted(row.caption).c_str(), row.left, row.top, row.width,
                    row.height, back.c_str(), row.selected ? "true" : "false", row.tab,
                    quoted(spoken_name(row.ref, Language::English)).c_str(),
                    quoted(spoken_name(row.ref, Language::Japanese)).c_str(),
                    shows_a_value(row.ref) ? "true" : "false", spinner_fields(row.ref).c_str());
        first = false;
    }
    std::printf("\n]\n");
    return 0;
}
