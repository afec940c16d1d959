// SPDX-License-Identifier: MIT
#include "web/markup.h"

#include "form/form1.h"
#include "frontend/build_window.h"
#include "frontend/spoken_names.h"
#include "frontend/window.h"
#include "ui/null_picture_box.h"
#include "web/css.h"
#include "web/geometry.h"

#include <cstddef>
#include <deque>
#include <map>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace web {

using namespace wave;

namespace {

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string attribute(std::string_view name, std::string_view value) {
    return std::string(" ") + std::string(name) + "=\"" + escaped(value) + '"';
}

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

// What Form_Load shows, by object name, so that the first paint has the
// window's start values before the module has run: the same walk and the same
// logic the page's module runs, over controls that only remember.
struct FirstLook : ControlFactory<std::string> {
    // Only what the logic writes is remembered: every other row keeps the table's.
    struct Text : Label {
        Text(FirstLook& look, std::string name) : look_(look), name_(std::move(name)) {}
        void Caption(const std::string& text) override { look_.captions[name_] = text; }
        FirstLook& look_;
        std::string name_;
    };
    struct Choice : OptionButton {
        Choice(FirstLook& look, std::string name) : look_(look), name_(std::move(name)) {}
        void Value(bool value) override { look_.selected[name_] = value; }
        FirstLook& look_;
        std::string name_;
    };

    std::string make(const Placement& at, const std::string& /*parent*/) override {
        return at.name;
    }
    PictureBox* picture_box(const std::string& /*name*/) override { return &plots.emplace_back(); }
    Label* label(const std::string& name) override { return &texts.emplace_back(*this, name); }
    OptionButton* option_button(const std::string& name) override {
        return &choices.emplace_back(*this, name);
    }
    void chain_focus(const std::vector<std::string>& /*order*/) override {}

    std::deque<NullPictureBox> plots; // the module draws; deques: the logic keeps addresses
    std::deque<Text> texts;
    std::deque<Choice> choices;
    std::map<std::string, std::string> captions;
    std::map<std::string, bool> selected;
};

// The window is a page's box: where it would stand is the page's business.
struct Unplaced : RememberedWindow {
    void Left(float /*twips*/) override {}
    void Top(float /*twips*/) override {}
};

struct Screen1080 : Screen {
    float Width() const override { return 1920 * kTwipsPerPixel; }
    float Height() const override { return 1080 * kTwipsPerPixel; }
};

// The opening tag's name and attributes of the row's element, after
// data-name and the author's name, and what it holds.
struct Element {
    const char* tag;
    std::string attributes;
    std::string inside;
};

// stop: the control takes the focus, each where it stands.
Element element_of(const Placement& at, bool stop, const FirstLook& first) {
    const ControlRow& row = *at.row;
    const auto caption = first.captions.find(at.name);
    const auto selected = first.selected.find(at.name);
    const std::string tab = stop ? " tabindex=\"0\"" : "";
    switch (row.kind) {
    case ControlKind::Frame:
        return {
            "div",
            attribute("class", row.caption.empty() ? "frame" : "frame titled") + " role=\"group\"",
            row.caption.empty() ? ""
                                : "<span class=\"caption\">" + escaped(row.caption) + "</span>"};
    case ControlKind::Label:
        // A value is read out when a press changes it.
        return {"div",
                std::string(" class=\"label\"") +
                    (shows_a_value(row.ref) ? " role=\"status\"" : ""),
                escaped(caption != first.captions.end() ? caption->second : row.caption)};
    case ControlKind::OptionButton:
        // Its radio takes the focus.
        return {"label", " class=\"option\"",
                "<input type=\"radio\"" + attribute("name", object_name(row.container)) +
                    ((selected != first.selected.end() ? selected->second : row.selected)
                         ? " checked"
                         : "") +
                    attribute("aria-label", at.spoken) + tab + ">" + escaped(row.caption)};
    case ControlKind::CommandButton:
        return {"button", " type=\"button\" class=\"command\"" + tab, escaped(row.caption)};
    case ControlKind::PictureBox:
        return {"div", " class=\"plot\" role=\"img\"" + tab, "<canvas></canvas>"};
    case ControlKind::SpinButton: {
        std::string attributes = " class=\"spin\" role=\"spinbutton\"";
        if (const std::optional<SpinnerValue> value = spinner_value(row.ref)) {
            attributes += attribute("aria-valuemin", std::to_string(value->minimum));
            const auto shown = first.captions.find(object_name(value->label));
            if (shown != first.captions.end()) {
                attributes += attribute("aria-valuenow", shown->second) +
                              attribute("aria-valuetext", shown->second);
            }
        }
        // The spinner is the one stop in the tab order; an arrow takes the
        // focus only when asked, as a screen reader's cursor does.
        const auto arrow = [](const char* which, const std::string& name) {
            return std::string("<button type=\"button\" class=\"") + which + "\" tabindex=\"-1\"" +
                   attribute("aria-label", name) + "></button>";
        };
        return {"div", attributes + tab, arrow("up", at.spoken_up) + arrow("down", at.spoken_down)};
    }
    }
    return {"div", "", ""};
}

} // namespace

std::string window_markup(Language language) {
    FirstLook first;
    Unplaced window;
    Screen1080 screen;
    FormControls controls;
    controls.window = &window;
    controls.screen = &screen;
    build_window<std::string>(first, {}, controls);
    Form1 form(controls);
    form.Form_Load();

    const std::vector<Placement>& plan = window_plan(language);
    // To a screen reader a frame still holds what it holds on the desktop. A
    // plot's labels stay out of it: an image's contents are not read.
    std::vector<std::string> held(plan.size());
    std::vector<bool> in_frame(plan.size());
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const int c = plan[i].container;
        if (c >= 0 && plan[static_cast<std::size_t>(c)].row->kind == ControlKind::Frame) {
            in_frame[i] = true;
            std::string& ids = held[static_cast<std::size_t>(c)];
            ids += (ids.empty() ? "" : " ") + plan[i].name;
        }
    }
    std::vector<bool> stop(plan.size());
    for (const std::size_t i : focus_order()) {
        stop[i] = true;
    }
    std::vector<std::string> by_tab(plan.size());
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const Placement& at = plan[i];
        const Element e = element_of(at, stop[i], first);
        std::string& out = by_tab.at(static_cast<std::size_t>(at.row->tab));
        out = std::string("<") + e.tag + attribute("data-name", at.name) + e.attributes;
        if (names_itself(*at.row)) {
            out += attribute("aria-label", at.spoken);
        }
        if (in_frame[i]) {
            out += attribute("id", at.name);
        }
        if (!held[i].empty()) {
            out += attribute("aria-owns", held[i]);
        }
        out += ">" + e.inside + "</" + e.tag + ">";
    }
    std::string markup;
    for (const std::string& element : by_tab) {
        markup += element + "\n";
    }
    return markup;
}

std::string window_style() {
    const std::vector<Placement>& plan = window_plan();
    std::string css =
        ".frame:not(.titled),.frame.titled::before{box-shadow:" + css_edge(kFrameEdge) +
        "}\n.plot{box-shadow:" + css_edge(kPlotEdge) + "}\n";
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const Placement& at = plan[i];
        const ControlRow& row = *at.row;
        const Box box = window_box(plan, i);
        // The plan lists each container's contents right after it, as the
        // desktop stacks them: its order is the stacking order.
        css += "#app>[data-name=\"" + at.name + "\"]{left:" + css_px(box.left) +
               ";top:" + css_px(box.top) + ";z-index:" + std::to_string(i + 1) +
               ";width:" + css_px(at.width) + ";height:" + css_px(at.height);
        if (row.back && !row.transparent) {
            css += ";background-color:" + css_colour(*row.back);
        }
        if (row.fore) {
            css += ";color:" + css_colour(*row.fore);
        }
        if (row.font != FontId::NoFont) {
            css += ";font:" + css_font(row.font);
        }
        if (row.kind == ControlKind::Label) {
            css += std::string(";text-align:") + css_align(row.align);
        }
        if (row.kind == ControlKind::SpinButton) {
            // An arrow answers over 24 x 24 CSS pixels where its spinner's free
            // space allows (page.css works out how much at the box's scale).
            const Reach reach = spinner_reach(plan, i);
            css += ";--reach-left:" + css_px(reach.left) + ";--reach-top:" + css_px(reach.top) +
                   ";--reach-right:" + css_px(reach.right) +
                   ";--reach-bottom:" + css_px(reach.bottom);
        }
        css += "}\n";
    }
    return css;
}

} // namespace web
