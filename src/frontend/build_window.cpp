// SPDX-License-Identifier: MIT
#include "frontend/build_window.h"

#include "frontend/spoken_names.h"
#include "frontend/window.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace wave {

namespace {

std::vector<Placement> make_plan(Language language) {
    std::vector<Placement> plan;
    std::map<std::string, int> containers;
    for (const ControlRow& row : window_layout()) {
        int container = -1;
        int inset = 0;
        if (!row.container.name.empty()) {
            container = containers.at(object_name(row.container));
            const bool in_plot =
                plan[static_cast<std::size_t>(container)].row->kind == ControlKind::PictureBox;
            inset = in_plot ? kPlotBorder : 0;
        }
        Placement at{&row,
                     object_name(row.ref),
                     spoken_name(row.ref, language),
                     inset + twips_to_pixels(row.left),
                     inset + twips_to_pixels(row.top),
                     twips_to_pixels(row.width),
                     twips_to_pixels(row.height),
                     container,
                     spoken_arrow(row.ref, SpinArrow::Up, language),
                     spoken_arrow(row.ref, SpinArrow::Down, language)};
        if (row.kind == ControlKind::Frame || row.kind == ControlKind::PictureBox) {
            containers.emplace(at.name, static_cast<int>(plan.size()));
        }
        plan.push_back(std::move(at));
    }
    return plan;
}

bool takes_focus(ControlKind kind) {
    return kind == ControlKind::PictureBox || kind == ControlKind::SpinButton ||
           kind == ControlKind::CommandButton || kind == ControlKind::OptionButton;
}

template <typename T, std::size_t N>
void lend_member(std::array<T*, N>& members, int index, T* control) {
    members.at(static_cast<std::size_t>(index)) = control;
}

} // namespace

const std::vector<Placement>& window_plan(Language language) {
    static const std::vector<Placement> english = make_plan(Language::English);
    static const std::vector<Placement> japanese = make_plan(Language::Japanese);
    return language == Language::English ? english : japanese;
}

const std::vector<std::size_t>& focus_order() {
    static const std::vector<std::size_t> order = [] {
        const std::vector<Placement>& plan = window_plan();
        std::vector<std::size_t> stops;
        for (std::size_t i = 0; i < plan.size(); ++i) {
            if (takes_focus(plan[i].row->kind)) {
                stops.push_back(i);
            }
        }
        std::stable_sort(stops.begin(), stops.end(), [&plan](std::size_t a, std::size_t b) {
            return plan[a].row->tab < plan[b].row->tab;
        });
        return stops;
    }();
    return order;
}

void lend(FormControls& c, const ControlRef& ref, PictureBox* picture, Label* label,
          OptionButton* option) {
    const std::string_view name = ref.name;
    if (name == "Grph" && picture != nullptr) {
        lend_member(c.Grph, ref.index, picture);
    } else if (name == "Gr" && picture != nullptr) {
        c.Gr = picture;
    } else if (name == "Labela" && label != nullptr) {
        lend_member(c.Labela, ref.index, label);
    } else if (name == "Labelb" && label != nullptr) {
        lend_member(c.Labelb, ref.index, label);
    } else if (name == "labelt" && label != nullptr) {
        c.labelt = label;
    } else if (name == "value_t" && label != nullptr) {
        c.value_t = label;
    } else if (name == "switch_c" && option != nullptr) {
        lend_member(c.switch_c, ref.index, option);
    } else if (name == "switch_s" && option != nullptr) {
        lend_member(c.switch_s, ref.index, option);
    } else if (name.starts_with("Option") && name.size() == 7 && option != nullptr) {
        lend_member(c.step_options, name.back() - '1', option);
    }
}

void check_lent(const FormControls& c) {
    const auto missing = [](const auto& members) {
        return std::find(members.begin(), members.end(), nullptr) != members.end();
    };
    if (missing(c.Grph) || c.Gr == nullptr || missing(c.Labela) || missing(c.Labelb) ||
        c.labelt == nullptr || c.value_t == nullptr || missing(c.switch_c) || missing(c.switch_s) ||
        missing(c.step_options)) {
        throw std::logic_error("a control the window's logic reaches was not built");
    }
}

} // namespace wave
