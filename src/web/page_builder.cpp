// SPDX-License-Identifier: MIT
#include "web/page_builder.h"

#include "ui/accessible_names.h"
#include "web/dom.h"

#include <cmath>
#include <map>

namespace web {

using namespace wave;

using emscripten::val;

namespace {

const char* css_align(TextAlign align) {
    switch (align) {
    case TextAlign::Right:
        return "right";
    case TextAlign::Centre:
        return "center";
    case TextAlign::Left:
        break;
    }
    return "left";
}

void add_text(const val& element, std::string_view text) {
    element.call<void>("append", val(std::string(text)));
}

val make_frame(const ControlRow& row) {
    val frame = create_element("div");
    frame.set("className", row.caption.empty() ? "frame" : "frame titled");
    frame.call<void>("setAttribute", val("role"), val("group"));
    if (!row.caption.empty()) {
        val caption = create_element("span");
        caption.set("className", "caption");
        add_text(caption, row.caption);
        frame.call<void>("append", caption);
    }
    return frame;
}

val make_spinner() {
    val spinner = create_element("div");
    spinner.set("className", "spin");
    spinner.call<void>("setAttribute", val("role"), val("group"));
    for (const char* which : {"up", "down"}) {
        val arrow = create_element("button");
        arrow.set("type", "button");
        arrow.set("className", which);
        // The spinner is the one stop in the tab order; its arrows are for pointers.
        arrow.set("tabIndex", -1);
        arrow.call<void>("setAttribute", val("aria-label"), val(which));
        spinner.call<void>("append", arrow);
    }
    return spinner;
}

BuiltControl make(const ControlRow& row) {
    switch (row.kind) {
    case ControlKind::Frame:
        return {&row, make_frame(row), val::undefined()};
    case ControlKind::Label: {
        val label = create_element("div");
        label.set("className", "label");
        add_text(label, row.caption);
        if (shows_a_value(row.ref)) {
            // Read out when a press changes it.
            label.call<void>("setAttribute", val("role"), val("status"));
        }
        return {&row, label, val::undefined()};
    }
    case ControlKind::OptionButton: {
        val option = create_element("label");
        option.set("className", "option");
        val input = create_element("input");
        input.set("type", "radio");
        input.set("name", object_name(row.container));
        input.set("checked", row.selected);
        option.call<void>("append", input);
        add_text(option, row.caption);
        return {&row, option, input};
    }
    case ControlKind::CommandButton: {
        val button = create_element("button");
        button.set("type", "button");
        button.set("className", "command");
        add_text(button, row.caption);
        return {&row, button, val::undefined()};
    }
    case ControlKind::PictureBox: {
        val plot = create_element("div");
        plot.set("className", "plot");
        plot.call<void>("setAttribute", val("role"), val("img"));
        val canvas = create_element("canvas");
        plot.call<void>("append", canvas);
        return {&row, plot, canvas};
    }
    case ControlKind::SpinButton:
        return {&row, make_spinner(), val::undefined()};
    }
    return {&row, create_element("div"), val::undefined()};
}

// One declaration block per control: each crossing into the page costs
// more than the text it carries.
std::string placement_and_paint(const ControlRow& row, int inset) {
    std::string css;
    const auto declare = [&css](const char* property, const std::string& value) {
        css += property;
        css += ':';
        css += value;
        css += ';';
    };
    declare("left", css_px(inset + twips_to_pixels(row.left)));
    declare("top", css_px(inset + twips_to_pixels(row.top)));
    declare("width", css_px(twips_to_pixels(row.width)));
    declare("height", css_px(twips_to_pixels(row.height)));
    if (row.back && !row.transparent) {
        declare("background-color", css_colour(*row.back));
    }
    if (row.fore) {
        declare("color", css_colour(*row.fore));
    }
    if (row.font != FontId::NoFont) {
        declare("font", css_font(row.font));
    }
    if (row.kind == ControlKind::Label) {
        declare("text-align", css_align(row.align));
    }
    return css;
}

} // namespace

std::string css_font(FontId font) {
    switch (font) {
    case FontId::Times:
        return "13px 'Wave Serif', serif";
    case FontId::TimesItalic:
        return "italic 13px 'Wave Serif', serif";
    case FontId::TimesSmall:
        return "11px 'Wave Serif', serif";
    case FontId::GothicP:
        return "13px 'Wave PGothic', sans-serif";
    case FontId::GothicBold:
        return "bold 13px 'Wave Gothic', sans-serif";
    case FontId::NoFont:
        break;
    }
    return {};
}

std::vector<BuiltControl> build_controls(const val& app) {
    std::vector<BuiltControl> built;
    std::map<std::string, BuiltControl> containers;
    for (const ControlRow& row : window_layout()) {
        BuiltControl control = make(row);
        const val& element = control.element;
        const std::string name = object_name(row.ref);
        element.call<void>("setAttribute", val("data-name"), val(name));
        const std::string spoken = accessible_name(row.ref);
        element.call<void>("setAttribute", val("aria-label"), val(spoken));

        // The focus lands on the radio itself, not on its label.
        const bool focusable =
            row.kind == ControlKind::PictureBox || row.kind == ControlKind::SpinButton ||
            row.kind == ControlKind::CommandButton || row.kind == ControlKind::OptionButton;
        if (focusable) {
            // Positive indexes put the controls in the table's order, before anything else.
            val stop = row.kind == ControlKind::OptionButton ? control.inner : element;
            stop.set("tabIndex", row.tab + 1);
            if (row.kind == ControlKind::OptionButton) {
                stop.call<void>("setAttribute", val("aria-label"), val(spoken));
            }
        }

        int inset = 0;
        val parent = app;
        if (!row.container.name.empty()) {
            const BuiltControl& holder = containers.at(object_name(row.container));
            parent = holder.element;
            inset = holder.row->kind == ControlKind::PictureBox ? kPlotBorder : 0;
        }
        // Through the CSSOM, which the page's policy allows, unlike style attributes.
        element["style"].set("cssText", placement_and_paint(row, inset));
        parent.call<void>("append", element);
        if (row.kind == ControlKind::Frame || row.kind == ControlKind::PictureBox) {
            containers.emplace(name, control);
        }
        built.push_back(control);
    }
    return built;
}

} // namespace web
