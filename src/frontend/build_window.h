// SPDX-License-Identifier: MIT
#pragma once

#include "form/form1.h"
#include "frontend/events.h"
#include "frontend/language.h"
#include "ui/controls.h"
#include "ui/layout.h"

#include <cstddef>
#include <string>
#include <vector>

namespace wave {

// One row of the layout as a front end places it: named, with its spoken
// name, in logical pixels inside its container (inside a picture box's
// border), and the position of its container in the plan (-1: the window).
// A spinner's arrows have spoken names of their own.
struct Placement {
    const ControlRow* row;
    std::string name;
    std::string spoken;
    int left, top, width, height;
    int container;
    std::string spoken_up{};
    std::string spoken_down{};
};

// Every row of the layout, in table order: containers come before what they
// hold; spoken names in the window's language. The rest does not depend on it.
const std::vector<Placement>& window_plan(Language language = Language::English);

// Positions in the plan of the controls that take the focus, in tab order.
const std::vector<std::size_t>& focus_order();

// Hands a made control's operations to the logic when its row is one the
// logic reaches by name (Grph, Labela, switch_c, ...).
void lend(FormControls& controls, const ControlRef& ref, PictureBox* picture, Label* label,
          OptionButton* option);
// Throws when a control the logic reaches was not lent.
void check_lent(const FormControls& controls);

// A toolkit's half of building the window: it makes one control at a time,
// and says which of the logic's operations a control carries.
template <typename Control> class ControlFactory {
public:
    virtual ~ControlFactory() = default;
    // The row's control inside parent, at its place, named after the row.
    virtual Control make(const Placement& at, const Control& parent) = 0;
    virtual PictureBox* picture_box(const Control&) { return nullptr; }
    virtual Label* label(const Control&) { return nullptr; }
    virtual OptionButton* option_button(const Control&) { return nullptr; }
    // Every control exists: made[i] belongs to window_plan()[i].
    virtual void finish(const std::vector<Control>& /*made*/) {}
    // The controls that take the focus, in tab order.
    virtual void chain_focus(const std::vector<Control>& order) = 0;
};

// Builds the window's controls inside window through factory, in plan order,
// and lends the logic's operations to controls. Returns them parallel to window_plan().
template <typename Control>
std::vector<Control> build_window(ControlFactory<Control>& factory, const Control& window,
                                  FormControls& controls, Language language = Language::English) {
    std::vector<Control> made;
    made.reserve(window_plan().size());
    for (const Placement& at : window_plan(language)) {
        const Control& parent =
            at.container < 0 ? window : made[static_cast<std::size_t>(at.container)];
        made.push_back(factory.make(at, parent));
        const Control& control = made.back();
        lend(controls, at.row->ref, factory.picture_box(control), factory.label(control),
             factory.option_button(control));
    }
    check_lent(controls);
    factory.finish(made);
    std::vector<Control> order;
    for (const std::size_t i : focus_order()) {
        order.push_back(made[i]);
    }
    factory.chain_focus(order);
    return made;
}

// Connects each made control's events to the window's procedures: connect is
// called once for every control that raises any, with what they run.
template <typename Control, typename Connect>
void bind_events(Form1& form, const std::vector<Control>& made, Connect&& connect) {
    const std::vector<Placement>& plan = window_plan();
    for (std::size_t i = 0; i < made.size() && i < plan.size(); ++i) {
        ControlEvents events = events_of(form, plan[i].row->ref);
        if (!events.empty()) {
            connect(made[i], std::move(events));
        }
    }
}

} // namespace wave
