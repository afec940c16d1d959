// SPDX-License-Identifier: MIT
#include "web/page_builder.h"

#include "frontend/fonts.h"
#include "frontend/spoken_names.h"
#include "frontend/window.h"
#include "web/dom.h"

#include <emscripten/val.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

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

void set_attribute(const val& element, const char* name, const std::string& value) {
    element.call<void>("setAttribute", val(name), val(value));
}

val make_spinner(const Placement& at) {
    val spinner = create_element("div");
    spinner.set("className", "spin");
    set_attribute(spinner, "role", "spinbutton");
    if (const std::optional<SpinnerValue> value = spinner_value(at.row->ref)) {
        set_attribute(spinner, "aria-valuemin", std::to_string(value->minimum));
    }
    for (const SpinArrow arrow : {SpinArrow::Up, SpinArrow::Down}) {
        const bool up = arrow == SpinArrow::Up;
        val button = create_element("button");
        button.set("type", "button");
        button.set("className", up ? "up" : "down");
        // The spinner is the one stop in the tab order; an arrow takes the
        // focus only when asked, as a screen reader's cursor does.
        button.set("tabIndex", -1);
        set_attribute(button, "aria-label", up ? at.spoken_up : at.spoken_down);
        spinner.call<void>("append", button);
    }
    return spinner;
}

PageControl make_element(const Placement& at) {
    const ControlRow& row = *at.row;
    switch (row.kind) {
    case ControlKind::Frame:
        return {make_frame(row), val::undefined()};
    case ControlKind::Label: {
        val label = create_element("div");
        label.set("className", "label");
        add_text(label, row.caption);
        if (shows_a_value(row.ref)) {
            // Read out when a press changes it.
            label.call<void>("setAttribute", val("role"), val("status"));
        }
        return {label, val::undefined()};
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
        return {option, input};
    }
    case ControlKind::CommandButton: {
        val button = create_element("button");
        button.set("type", "button");
        button.set("className", "command");
        add_text(button, row.caption);
        return {button, val::undefined()};
    }
    case ControlKind::PictureBox: {
        val plot = create_element("div");
        plot.set("className", "plot");
        plot.call<void>("setAttribute", val("role"), val("img"));
        val canvas = create_element("canvas");
        plot.call<void>("append", canvas);
        return {plot, canvas};
    }
    case ControlKind::SpinButton:
        return {make_spinner(at), val::undefined()};
    }
    return {create_element("div"), val::undefined()};
}

// Roles that carry a name of the author's; a plain text is read as it is, and
// an option is named on its radio, which takes the focus.
bool names_itself(const ControlRow& row) {
    return row.kind == ControlKind::Label ? shows_a_value(row.ref)
                                          : row.kind != ControlKind::OptionButton;
}

// One declaration block per control: each crossing into the page costs
// more than the text it carries. left and top are in the app box.
std::string placement_and_paint(const Placement& at, int left, int top, int stacked) {
    const ControlRow& row = *at.row;
    std::string css;
    const auto declare = [&css](const char* property, const std::string& value) {
        css += property;
        css += ':';
        css += value;
        css += ';';
    };
    declare("left", css_px(left));
    declare("top", css_px(top));
    declare("z-index", std::to_string(stacked));
    declare("width", css_px(at.width));
    declare("height", css_px(at.height));
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

std::string css_font(FontId font, double pixels) {
    if (font == FontId::NoFont) {
        return {};
    }
    // The faces the site bundles, in the order of Face.
    static constexpr std::array<const char*, 3> kFamilies{
        "'Wave Serif', serif", "'Wave PGothic', sans-serif", "'Wave Gothic', sans-serif"};
    const FontStyle style = font_style(font);
    return std::string(style.italic ? "italic " : "") + (style.bold ? "bold " : "") +
           css_px(pixels > 0 ? pixels : style.pixels) + " " +
           kFamilies.at(static_cast<std::size_t>(style.face));
}

Language browser_language() {
    const val navigator = browser_window()["navigator"];
    std::vector<std::string> preferred;
    if (navigator["languages"].isArray()) {
        preferred = emscripten::vecFromJSArray<std::string>(navigator["languages"]);
    }
    if (preferred.empty() && navigator["language"].isString()) {
        preferred.push_back(navigator["language"].as<std::string>());
    }
    return pick_language(preferred);
}

Language page_language() {
    const Language language = browser_language();
    document()["documentElement"].set("lang", language == Language::English ? "en" : "ja");
    return language;
}

PageControl ElementFactory::make(const Placement& at, const PageControl& parent) {
    const ControlRow& row = *at.row;
    if (at.container < 0) {
        app_ = parent.element;
    }
    PageControl control = make_element(at);
    control.left = parent.left + at.left;
    control.top = parent.top + at.top;
    const val& element = control.element;
    set_attribute(element, "data-name", at.name);
    if (names_itself(row)) {
        set_attribute(element, "aria-label", at.spoken);
    }
    // Through the CSSOM, which the page's policy allows, unlike style attributes.
    // The plan lists each container's contents right after it, as the
    // desktop stacks them: its order is the stacking order.
    element["style"].set(
        "cssText", placement_and_paint(at, control.left, control.top, static_cast<int>(++made_)));

    if (row.kind == ControlKind::PictureBox) {
        plots.push_back(std::make_unique<PlotCanvas>(control.inner, row.back.value_or(kPlotBack),
                                                     at.width - 2 * kPlotBorder,
                                                     at.height - 2 * kPlotBorder));
        control.plot = plots.back().get();
    } else if (row.kind == ControlKind::Label && shows_a_value(row.ref)) {
        labels.push_back(std::make_unique<TextLabel>(element, row.font, at.width, row.align));
        control.label = labels.back().get();
    } else if (row.kind == ControlKind::OptionButton) {
        set_attribute(control.inner, "aria-label", at.spoken);
        options.push_back(std::make_unique<RadioOption>(control.inner));
        control.option = options.back().get();
    }
    return control;
}

void ElementFactory::finish(const std::vector<PageControl>& made) {
    // The table gives labels and frames a tab index too, numbering its rows
    // from 0: in that order the page reads as the desktop tabs.
    const std::vector<Placement>& plan = window_plan();
    std::vector<val> by_tab(made.size(), val::undefined());
    for (std::size_t i = 0; i < made.size(); ++i) {
        by_tab.at(static_cast<std::size_t>(plan[i].row->tab)) = made[i].element;
    }
    for (const val& element : by_tab) {
        app_.call<void>("append", element);
    }
    // To a screen reader a frame still holds what it holds on the desktop. A
    // plot's labels stay out of it: an image's contents are not read.
    std::vector<std::string> held(made.size());
    for (std::size_t i = 0; i < made.size(); ++i) {
        const int c = plan[i].container;
        if (c >= 0 && plan[static_cast<std::size_t>(c)].row->kind == ControlKind::Frame) {
            set_attribute(made[i].element, "id", plan[i].name);
            std::string& ids = held[static_cast<std::size_t>(c)];
            ids += ids.empty() ? plan[i].name : " " + plan[i].name;
        }
    }
    for (std::size_t i = 0; i < made.size(); ++i) {
        if (!held[i].empty()) {
            set_attribute(made[i].element, "aria-owns", held[i]);
        }
    }
    // A spinner's value is the text of the label its presses write.
    for (std::size_t i = 0; i < made.size(); ++i) {
        const std::optional<SpinnerValue> value = spinner_value(plan[i].row->ref);
        for (std::size_t j = 0; value && j < made.size(); ++j) {
            if (plan[j].row->ref == value->label && made[j].label != nullptr) {
                made[j].label->tell_value_to(made[i].element);
            }
        }
    }
}

void ElementFactory::chain_focus(const std::vector<PageControl>& order) {
    // Already side by side in this order: each is one stop where it stands.
    for (const PageControl& c : order) {
        val stop = c.option != nullptr ? c.inner : c.element;
        stop.set("tabIndex", 0);
    }
}

} // namespace web
