// SPDX-License-Identifier: MIT
#include "frontend/build_window.h"
#include "frontend/events.h"
#include "frontend/window.h"
#include "logic/form_events.h"
#include "logic/recording_controls.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace wave {
inline void PrintTo(const FormEvent& e, std::ostream* os) {
    *os << e.name();
}
} // namespace wave

using namespace wave;

namespace {

const Placement& placed(const std::string& name) {
    for (const Placement& at : window_plan()) {
        if (at.name == name) {
            return at;
        }
    }
    throw std::out_of_range(name);
}

struct PlaceRow {
    const char* test;
    const char* control;
    const char* container; // "" for the window
    int left, top, width, height;
};

void PrintTo(const PlaceRow& row, std::ostream* os) {
    *os << row.test;
}

class WindowPlan : public testing::TestWithParam<PlaceRow> {};

TEST_P(WindowPlan, PlacesTheRowInItsContainerInLogicalPixels) {
    const PlaceRow& row = GetParam();
    const Placement& at = placed(row.control);
    const std::string container =
        at.container < 0 ? "" : window_plan()[static_cast<std::size_t>(at.container)].name;
    EXPECT_EQ(container, row.container);
    EXPECT_EQ(at.left, row.left);
    EXPECT_EQ(at.top, row.top);
    EXPECT_EQ(at.width, row.width);
    EXPECT_EQ(at.height, row.height);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WindowPlan,
    testing::Values(PlaceRow{"BandOnTheWindow", "Frame9", "", 0, 320, 457, 145},
                    PlaceRow{"PlotInItsBand", "Gr", "Frame9", 16, 8, 305, 137},
                    PlaceRow{"ArrayMemberByIndex", "Labela(2)", "Frame2", 24, 24, 17, 17},
                    PlaceRow{"LabelInsideThePlotsBorder", "value_t", "Gr", 250, 74, 25, 17},
                    PlaceRow{"SecondLabelInsideTheBorder", "Label9", "Gr", 274, 74, 25, 17},
                    PlaceRow{"OptionInAStepFrame", "Option8", "Frame11", 8, 64, 41, 15}),
    [](const auto& row) { return std::string(row.param.test); });

TEST(WindowPlan, EveryContainerComesFirstAndEveryRowHasItsSpokenName) {
    const auto& plan = window_plan();
    ASSERT_EQ(plan.size(), window_layout().size());
    for (std::size_t i = 0; i < plan.size(); ++i) {
        EXPECT_LT(plan[i].container, static_cast<int>(i)) << plan[i].name;
        EXPECT_FALSE(plan[i].spoken.empty()) << plan[i].name;
    }
}

// A toolkit that places controls side by side stacks them in plan order, as
// the desktop's nesting does only if each container's contents follow it.
TEST(WindowPlan, ListsEachContainersContentsRightAfterIt) {
    const auto& plan = window_plan();
    std::vector<int> open{-1};
    for (std::size_t i = 0; i < plan.size(); ++i) {
        while (!open.empty() && open.back() != plan[i].container) {
            open.pop_back();
        }
        ASSERT_FALSE(open.empty()) << plan[i].name << " comes after its container was closed";
        open.push_back(static_cast<int>(i));
    }
}

TEST(FocusOrder, HoldsThePlotsSpinnersOptionsAndButtonInTabOrder) {
    const auto& plan = window_plan();
    std::map<ControlKind, int> kinds;
    int last_tab = -1;
    for (const std::size_t i : focus_order()) {
        ++kinds[plan[i].row->kind];
        EXPECT_GT(plan[i].row->tab, last_tab) << plan[i].name;
        last_tab = plan[i].row->tab;
    }
    EXPECT_EQ(kinds, (std::map<ControlKind, int>{{ControlKind::OptionButton, 16},
                                                 {ControlKind::CommandButton, 1},
                                                 {ControlKind::PictureBox, 5},
                                                 {ControlKind::SpinButton, 9}}));
}

// A toolkit of plan positions: each control is its row's position, and lends
// the recording stand-ins of one RecordedForm.
class FakeFactory : public ControlFactory<int> {
public:
    explicit FakeFactory(RecordedForm& form) : form_(form) {}

    int make(const Placement& /*at*/, const int& parent) override {
        parents.push_back(parent);
        return static_cast<int>(parents.size() - 1);
    }
    PictureBox* picture_box(const int& c) override {
        const ControlRef& ref = row(c);
        if (ref.name == "Grph") {
            return &form_.Grph.at(static_cast<std::size_t>(ref.index));
        }
        return ref.name == "Gr" ? &form_.Gr : nullptr;
    }
    Label* label(const int& c) override {
        const ControlRef& ref = row(c);
        if (ref.name == "Labela") {
            return &form_.Labela.at(static_cast<std::size_t>(ref.index));
        }
        if (ref.name == "Labelb") {
            return &form_.Labelb.at(static_cast<std::size_t>(ref.index));
        }
        if (ref.name == "value_t") {
            return &form_.value_t;
        }
        return ref.name == "labelt" && !drop_labelt ? &form_.labelt : nullptr;
    }
    OptionButton* option_button(const int& c) override {
        const ControlRef& ref = row(c);
        if (ref.name == "switch_c") {
            return &form_.switch_c.at(static_cast<std::size_t>(ref.index));
        }
        if (ref.name == "switch_s") {
            return &form_.switch_s.at(static_cast<std::size_t>(ref.index));
        }
        if (ref.name.starts_with("Option")) {
            return &form_.step_options.at(static_cast<std::size_t>(ref.name.back() - '1'));
        }
        return nullptr;
    }
    void chain_focus(const std::vector<int>& order) override { focus = order; }

    std::vector<int> parents;
    std::vector<int> focus;
    bool drop_labelt = false;

private:
    static const ControlRef& row(int c) {
        return window_plan()[static_cast<std::size_t>(c)].row->ref;
    }
    RecordedForm& form_;
};

TEST(BuildWindow, MakesEachControlInItsContainerAndLendsTheLogicsControls) {
    RecordedForm recorded;
    FakeFactory factory(recorded);
    FormControls lent;
    const std::vector<int> made = build_window(factory, -1, lent);

    ASSERT_EQ(made.size(), window_plan().size());
    for (std::size_t i = 0; i < made.size(); ++i) {
        EXPECT_EQ(factory.parents[i], window_plan()[i].container) << window_plan()[i].name;
    }
    EXPECT_EQ(factory.focus.size(), focus_order().size());
    EXPECT_EQ(lent.Grph[3], &recorded.Grph[3]);
    EXPECT_EQ(lent.Gr, &recorded.Gr);
    EXPECT_EQ(lent.Labelb[1], &recorded.Labelb[1]);
    EXPECT_EQ(lent.labelt, &recorded.labelt);
    EXPECT_EQ(lent.switch_s[0], &recorded.switch_s[0]);
    EXPECT_EQ(lent.step_options[6], &recorded.step_options[6]);
}

TEST(BuildWindow, RefusesAWindowMissingAControlTheLogicReaches) {
    RecordedForm recorded;
    FakeFactory factory(recorded);
    factory.drop_labelt = true;
    FormControls lent;
    EXPECT_THROW(build_window(factory, -1, lent), std::logic_error);
}

std::string printed(const RecordedForm& f) {
    std::ostringstream out;
    for (const Op& op : f.log) {
        out << op << '\n';
    }
    const WaveSettings& s = f.form.settings;
    for (std::size_t i = 0; i < 4; ++i) {
        out << s.amp[i] << ' ' << s.freq[i] << ' ' << s.is_cos[i] << '\n';
    }
    out << s.span_t << ' ' << s.step_a << ' ' << s.step_f << '\n';
    return out.str();
}

// Away from every limit, so each press acts.
std::unique_ptr<RecordedForm> midway() {
    auto f = RecordedForm::loaded();
    for (std::size_t i = 0; i < 4; ++i) {
        f->form.settings.amp[i] = 30;
        f->form.settings.freq[i] = 30.0f;
    }
    f->form.settings.span_t = 3.0f;
    f->form.settings.step_a = 3;
    f->form.settings.step_f = 3;
    return f;
}

class BoundEvents : public testing::TestWithParam<FormEvent> {};

TEST_P(BoundEvents, RunTheProcedureOfTheirControlAndEvent) {
    const FormEvent& e = GetParam();
    auto expected = midway();
    e.apply(expected->form);

    auto bound = midway();
    ControlEvents events = events_of(bound->form, {e.control, e.index});
    const std::function<void()>& run = e.action == FormEvent::Action::Click    ? events.Click
                                       : e.action == FormEvent::Action::SpinUp ? events.SpinUp
                                                                               : events.SpinDown;
    ASSERT_TRUE(run) << e.name();
    run();
    EXPECT_EQ(printed(*bound), printed(*expected));
    EXPECT_NE(printed(*bound), printed(*midway())) << "the press did nothing";
}

INSTANTIATE_TEST_SUITE_P(All, BoundEvents, testing::ValuesIn(all_form_events()),
                         [](const auto& row) {
                             std::string name = row.param.name();
                             for (char& c : name) {
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST(BindEvents, BindsTheLearnersEventsAndNoOthers) {
    RecordedForm recorded;
    FakeFactory factory(recorded);
    FormControls lent;
    const std::vector<int> made = build_window(factory, -1, lent);
    std::set<std::string> bound;
    bind_events(recorded.form, made, [&](int c, const ControlEvents& events) {
        const std::string name = window_plan()[static_cast<std::size_t>(c)].name;
        if (events.Click) {
            bound.insert(name + ".Click");
        }
        if (events.SpinUp) {
            bound.insert(name + ".SpinUp");
        }
        if (events.SpinDown) {
            bound.insert(name + ".SpinDown");
        }
    });
    std::set<std::string> expected;
    for (const FormEvent& e : all_form_events()) {
        expected.insert(e.name());
    }
    EXPECT_EQ(bound, expected);
}

TEST(Colour, ChannelsComeRedFromTheLowByte) {
    struct Row {
        Colour colour;
        int red, green, blue;
    };
    for (const Row& row : {Row{0x0000FF, 255, 0, 0}, Row{0x00FF00, 0, 255, 0},
                           Row{0xFF0000, 0, 0, 255}, Row{0xC0FFFF, 255, 255, 192}}) {
        const Rgb rgb = rgb_of(row.colour);
        EXPECT_EQ(rgb.red, row.red) << std::hex << row.colour;
        EXPECT_EQ(rgb.green, row.green) << std::hex << row.colour;
        EXPECT_EQ(rgb.blue, row.blue) << std::hex << row.colour;
    }
}

} // namespace
