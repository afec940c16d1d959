// SPDX-License-Identifier: MIT
#include "web/page_builder.h"

#include "frontend/fonts.h"
#include "frontend/window.h"

#include "web/dom.h"
#include <array>
#include <cstddef>

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

PageControl make_element(const ControlRow& row) {
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
        return {make_spinner(), val::undefined()};
    }
    return {create_element("div"), val::undefined()};
}

// One declaration block per control: each crossing into the page costs
// more than the text it carries.
std::string placement_and_paint(const Placement& at) {
    const ControlRow& row = *at.row;
    std::string css;
    const auto declare = [&css](const char* property, const std::string& value) {
        css += property;
        css += ':';
        css += value;
        css += ';';
    };
    declare("left", css_px(at.left));
    declare("top", css_px(at.top));
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

PageControl ElementFactory::make(const Placement& at, const PageControl& parent) {
    const ControlRow& row = *at.row;
    PageControl control = make_element(row);
    const val& element = control.element;
    element.call<void>("setAttribute", val("data-name"), val(at.name));
    element.call<void>("setAttribute", val("aria-label"), val(at.spoken));
    // Through the CSSOM, which the page's policy allows, unlike style attributes.
    element["style"].set("cssText", placement_and_paint(at));
    parent.element.call<void>("append", element);

    if (row.kind == ControlKind::PictureBox) {
        plots.push_back(std::make_unique<PlotCanvas>(control.inner, row.back.value_or(kPlotBack),
                                                     at.width - 2 * kPlotBorder,
                                                     at.height - 2 * kPlotBorder));
        control.plot = plots.back().get();
    } else if (row.kind == ControlKind::Label && shows_a_value(row.ref)) {
        labels.push_back(std::make_unique<TextLabel>(element, row.font, at.width, row.align));
        control.label = labels.back().get();
    } else if (row.kind == ControlKind::OptionButton) {
        // The focus lands on the radio itself, not on its label.
        control.inner.call<void>("setAttribute", val("aria-label"), val(at.spoken));
        options.push_back(std::make_unique<RadioOption>(control.inner));
        control.option = options.back().get();
    }
    return control;
}

void ElementFactory::chain_focus(const std::vector<PageControl>& order) {
    // Positive indexes put the controls in the table's order, before anything else.
    for (std::size_t i = 0; i < order.size(); ++i) {
        const PageControl& c = order[i];
        val stop = c.option != nullptr ? c.inner : c.element;
        stop.set("tabIndex", static_cast<int>(i + 1));
    }
}

} // namespace web
