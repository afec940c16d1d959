// SPDX-License-Identifier: MIT
#include "recording_controls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <set>

using namespace wave;

namespace {

using Event = std::function<void(Form1&)>;

std::set<std::string> cleared(const std::vector<Op>& log) {
    std::set<std::string> out;
    for (const Op& op : log) {
        if (op.name == "Cls") {
            out.insert(op.control);
        }
    }
    return out;
}

std::vector<std::string> captions(const std::vector<Op>& log) {
    std::vector<std::string> out;
    for (const Op& op : log) {
        if (op.name == "Caption") {
            out.push_back(op.control + "=" + op.text);
        }
    }
    return out;
}

// A press that changes one value: its label, then that component and the sum.
struct PressCase {
    const char* name;
    std::function<void(WaveSettings&)> before;
    Event press;
    std::vector<std::string> captions;
    std::set<std::string> redrawn;
};

class Press : public testing::TestWithParam<PressCase> {};

TEST_P(Press, SetsItsLabelAndRedrawsOnlyItsComponentAndTheSum) {
    const PressCase& c = GetParam();
    auto f = RecordedForm::loaded();
    c.before(f->form.settings);
    c.press(f->form);
    EXPECT_EQ(captions(f->log), c.captions);
    EXPECT_EQ(cleared(f->log), c.redrawn);
    if (!c.redrawn.empty()) {
        // The sum is drawn last, after the component cleared it.
        EXPECT_EQ(f->log.back().control, "Gr");
        EXPECT_EQ(f->log.back().name, "LineTo");
    }
}

auto nothing = [](WaveSettings&) {};

INSTANTIATE_TEST_SUITE_P(
    Handlers, Press,
    testing::Values(
        PressCase{"AmplitudeUpFromZero",
                  nothing,
                  [](Form1& f) { f.SpinButton3_SpinUp(2); },
                  {"Labela(2)=1"},
                  {"Grph(2)", "Gr"}},
        PressCase{"AmplitudeDownAtZeroRefused",
                  nothing,
                  [](Form1& f) { f.SpinButton3_SpinDown(0); },
                  {},
                  {}},
        PressCase{"AmplitudeUpTakesFullStepBelowLimit",
                  [](WaveSettings& s) { s.amp[1] = 95; },
                  [](Form1& f) { f.SpinButton3_SpinUp(1); },
                  {"Labela(1)=10.5"},
                  {"Grph(1)", "Gr"}},
        PressCase{"AmplitudeUpAtLimitRefused",
                  [](WaveSettings& s) {
                      s.amp[2] = 100;
                      s.step_a = 1;
                  },
                  [](Form1& f) { f.SpinButton3_SpinUp(2); },
                  {},
                  {}},
        PressCase{"AmplitudeDownFromAboveLimit",
                  [](WaveSettings& s) { s.amp[1] = 105; },
                  [](Form1& f) { f.SpinButton3_SpinDown(1); },
                  {"Labela(1)=9.5"},
                  {"Grph(1)", "Gr"}},
        PressCase{"FrequencyUpWithHalfStep",
                  [](WaveSettings& s) { s.step_f = 5; },
                  [](Form1& f) { f.SpinButton4_SpinUp(3); },
                  {"Labelb(3)=0.5"},
                  {"Grph(3)", "Gr"}},
        PressCase{"FrequencyDownToZero",
                  [](WaveSettings& s) { s.freq[0] = 10; },
                  [](Form1& f) { f.SpinButton4_SpinDown(0); },
                  {"Labelb(0)=0"},
                  {"Grph(0)", "Gr"}},
        PressCase{"FrequencyDownBelowZeroRefused",
                  [](WaveSettings& s) {
                      s.freq[0] = 1;
                      s.step_f = 2;
                  },
                  [](Form1& f) { f.SpinButton4_SpinDown(0); },
                  {},
                  {}},
        PressCase{
            "SineSwitch", nothing, [](Form1& f) { f.switch_s_Click(1); }, {}, {"Grph(1)", "Gr"}},
        PressCase{"CosineSwitchAlreadyInForce",
                  nothing,
                  [](Form1& f) { f.switch_c_Click(3); },
                  {},
                  {"Grph(3)", "Gr"}},
        PressCase{"StepOptionRedrawsNothing", nothing, [](Form1& f) { f.Option7_Click(); }, {}, {}},
        PressCase{
            "SpanDownAtOneRefused", nothing, [](Form1& f) { f.SpinButton1_SpinDown(); }, {}, {}},
        PressCase{"SpanUp",
                  nothing,
                  [](Form1& f) { f.SpinButton1_SpinUp(); },
                  {"labelt=2", "value_t=2"},
                  {"Grph(0)", "Grph(1)", "Grph(2)", "Grph(3)", "Gr"}},
        PressCase{"Reset",
                  [](WaveSettings& s) { s.span_t = 7; },
                  [](Form1& f) { f.Command1_Click(); },
                  {"labelt=1", "value_t=1"},
                  {"Grph(0)", "Grph(1)", "Grph(2)", "Grph(3)", "Gr"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RefusedPress, RecordsNoOperationAndChangesNoField) {
    const std::vector<std::pair<const char*, Event>> refused{
        {"amplitude down at 0", [](Form1& f) { f.SpinButton3_SpinDown(0); }},
        {"frequency down at 0", [](Form1& f) { f.SpinButton4_SpinDown(3); }},
        {"span down at 1", [](Form1& f) { f.SpinButton1_SpinDown(); }},
    };
    for (const auto& [name, press] : refused) {
        auto f = RecordedForm::loaded();
        const WaveSettings before = f->form.settings;
        press(f->form);
        EXPECT_TRUE(f->log.empty()) << name;
        EXPECT_EQ(std::memcmp(&before, &f->form.settings, sizeof before), 0) << name;
    }
}

TEST(StepOptions, EachSetsItsStepAndNothingElse) {
    const std::vector<std::tuple<void (Form1::*)(), std::int16_t WaveSettings::*, std::int16_t>>
        rows{
            {&Form1::Option1_Click, &WaveSettings::step_f, 10},
            {&Form1::Option2_Click, &WaveSettings::step_f, 5},
            {&Form1::Option3_Click, &WaveSettings::step_f, 2},
            {&Form1::Option4_Click, &WaveSettings::step_f, 1},
            {&Form1::Option5_Click, &WaveSettings::step_a, 10},
            {&Form1::Option6_Click, &WaveSettings::step_a, 5},
            {&Form1::Option7_Click, &WaveSettings::step_a, 2},
            {&Form1::Option8_Click, &WaveSettings::step_a, 1},
        };
    for (const auto& [handler, field, value] : rows) {
        auto f = RecordedForm::loaded();
        f->form.settings.step_a = 99;
        f->form.settings.step_f = 99;
        WaveSettings expected = f->form.settings;
        expected.*field = value;
        (f->form.*handler)();
        EXPECT_EQ(f->form.settings.step_a, expected.step_a);
        EXPECT_EQ(f->form.settings.step_f, expected.step_f);
        EXPECT_TRUE(f->log.empty());
    }
}

TEST(AmplitudeLimits, UpTestsBeforeTheStepAndDownTestsTheResult) {
    auto f = RecordedForm::loaded();
    Form1& form = f->form;
    form.settings.amp[1] = 95;
    form.SpinButton3_SpinUp(1);
    EXPECT_EQ(form.settings.amp[1], 105);
    form.SpinButton3_SpinUp(1);
    EXPECT_EQ(form.settings.amp[1], 105);
    form.SpinButton3_SpinDown(1);
    EXPECT_EQ(form.settings.amp[1], 95);
    EXPECT_EQ(f->Labela[1].text, "9.5");

    // 3 tenths with steps 5, 2, 2, 1: refused, 1, refused, 0.
    form.settings.amp[3] = 3;
    const std::vector<std::pair<std::int16_t, std::int16_t>> steps{{5, 3}, {2, 1}, {2, 1}, {1, 0}};
    for (const auto& [step, expected] : steps) {
        form.settings.step_a = step;
        form.SpinButton3_SpinDown(3);
        EXPECT_EQ(form.settings.amp[3], expected) << "step " << step;
    }
    EXPECT_EQ(f->Labela[3].text, "0");
}

TEST(AmplitudeLimits, HighestReachableIsNinetyNinePlusTen) {
    auto f = RecordedForm::loaded();
    f->form.settings.amp[0] = 99;
    f->form.SpinButton3_SpinUp(0);
    EXPECT_EQ(f->form.settings.amp[0], 109);
    EXPECT_EQ(f->Labela[0].text, "10.9");
}

TEST(FrequencySpinner, TwoHundredPressesGiveTwoHundredHertz) {
    auto f = RecordedForm::loaded();
    for (int n = 0; n < 200; ++n) {
        f->form.SpinButton4_SpinUp(2);
    }
    EXPECT_EQ(f->form.settings.freq[2], 2000.0f);
    EXPECT_EQ(f->Labelb[2].text, "200");
    EXPECT_EQ(f->Labelb[1].text, "0");
}

TEST(TimeSpan, UpRescalesEveryPlotRightBeforeItsRedraw) {
    auto f = RecordedForm::loaded();
    f->form.SpinButton1_SpinUp();
    std::vector<std::string> order;
    for (const Op& op : f->log) {
        if (op.name == "Scale") {
            order.push_back(op.control + ".Scale");
            EXPECT_EQ(op.args[2], 12.56636f) << op;
        } else if (op.name == "PSet") {
            order.push_back(op.control + ".draw");
        }
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"Grph(0).Scale", "Grph(0).draw", "Grph(1).Scale",
                                        "Grph(1).draw", "Grph(2).Scale", "Grph(2).draw",
                                        "Grph(3).Scale", "Grph(3).draw", "Gr.Scale", "Gr.draw"}));
    // One second line on the sum, at 1 second.
    std::vector<float> grid;
    for (const Op& op : f->ops_on("Gr")) {
        if (op.name == "Line" && op.args[0] == op.args[2]) {
            grid.push_back(op.args[0]);
        }
    }
    EXPECT_EQ(grid, std::vector<float>{6.28318f});
}

TEST(TimeSpan, DownFromTwoReturnsToOneSecond) {
    auto f = RecordedForm::loaded();
    f->form.SpinButton1_SpinUp();
    f->log.clear();
    f->form.SpinButton1_SpinDown();
    EXPECT_EQ(f->form.settings.span_t, 1.0f);
    EXPECT_EQ(f->labelt.text, "1");
    const auto gr = f->ops_on("Gr");
    const auto scale =
        std::find_if(gr.begin(), gr.end(), [](const Op& op) { return op.name == "Scale"; });
    ASSERT_NE(scale, gr.end());
    EXPECT_EQ(scale->args, (std::vector<float>{0, 20, 6.28318f, -20}));
}

TEST(Reset, BringsBackOnlyTheSpan) {
    auto f = RecordedForm::loaded();
    Form1& form = f->form;
    form.Option8_Click(); // amplitude step 0.1
    for (int n = 0; n < 25; ++n) {
        form.SpinButton3_SpinUp(0);
    }
    form.switch_s_Click(1);
    form.Option2_Click(); // frequency step 0.5
    form.SpinButton4_SpinUp(2);
    for (int n = 0; n < 2; ++n) {
        form.SpinButton1_SpinUp();
    }
    const WaveSettings before = form.settings;
    f->log.clear();

    form.Command1_Click();
    form.Command1_Click(); // twice is the same as once

    WaveSettings expected = before;
    expected.span_t = 1.0f;
    EXPECT_EQ(std::memcmp(&expected, &form.settings, sizeof expected), 0);
    EXPECT_EQ(f->Labela[0].text, "2.5");
    EXPECT_EQ(f->Labelb[2].text, "0.5");
    EXPECT_EQ(f->labelt.text, "1");
    EXPECT_EQ(f->value_t.text, "1");
    for (const Op& op : f->log) {
        EXPECT_TRUE(op.control.rfind("Labela", 0) != 0 && op.control.rfind("Labelb", 0) != 0 &&
                    op.control.rfind("switch", 0) != 0)
            << op;
    }
}

} // namespace
