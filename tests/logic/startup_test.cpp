// SPDX-License-Identifier: MIT
#include "recording_controls.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace wave;

namespace {

std::vector<std::string> controls_of(const std::vector<Op>& log, const std::string& op_name) {
    std::vector<std::string> out;
    for (const Op& op : log) {
        if (op.name == op_name) {
            out.push_back(op.control);
        }
    }
    return out;
}

TEST(Startup, SettingsTakeTheirStartValues) {
    RecordedForm f;
    f.form.Form_Load();
    const WaveSettings& s = f.form.settings;
    EXPECT_EQ(s.pi, 3.14159);
    EXPECT_EQ(s.y_range, 10);
    EXPECT_EQ(s.span_t, 1.0f);
    EXPECT_EQ(s.last_comp, 3);
    EXPECT_EQ(s.amp_max, 100);
    EXPECT_EQ(s.step_a, 10);
    EXPECT_EQ(s.step_f, 10);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(s.amp[i], 0);
        EXPECT_EQ(s.freq[i], 0.0f);
        EXPECT_EQ(s.is_cos[i], -1);
    }
    EXPECT_EQ(s.amp[4], 0);
    EXPECT_EQ(s.is_cos[4], 0);
}

TEST(Startup, SwitchesAndTimeLabelsComeFirstInOrder) {
    RecordedForm f;
    f.form.Form_Load();
    std::vector<std::string> head;
    for (std::size_t k = 0; k < 10; ++k) {
        std::ostringstream os;
        os << f.log.at(k);
        head.push_back(os.str());
    }
    EXPECT_EQ(head, (std::vector<std::string>{"switch_c(0).Value 1", "switch_s(0).Value 0",
                                              "switch_c(1).Value 1", "switch_s(1).Value 0",
                                              "switch_c(2).Value 1", "switch_s(2).Value 0",
                                              "switch_c(3).Value 1", "switch_s(3).Value 0",
                                              "labelt.Caption \"1\"", "value_t.Caption \"1\""}));
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(f.switch_c[i].selected);
        EXPECT_FALSE(f.switch_s[i].selected);
    }
}

TEST(Startup, WindowIsSizedThenCentredWithHalfTwipsKept) {
    RecordedForm f;
    f.form.Form_Load();
    const auto ops = f.ops_on("window");
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(ops[0].name, "Height");
    EXPECT_EQ(ops[0].args[0], 7395.0f);
    EXPECT_EQ(ops[1].name, "Width");
    EXPECT_EQ(ops[1].args[0], 7020.0f);
    EXPECT_EQ(ops[2].name, "Top");
    EXPECT_EQ(ops[2].args[0], 2062.5f);
    EXPECT_EQ(ops[3].name, "Left");
    EXPECT_EQ(ops[3].args[0], 4170.0f);
}

// The window is 7020 x 7395 twips.
struct PlacementCase {
    const char* name;
    float screen_width, screen_height, available_left, available_top;
    float left, top;
};

class WindowPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(WindowPlacement, CentredWhenItFitsElseItsCornerStaysReachable) {
    const PlacementCase& c = GetParam();
    RecordedForm f;
    f.screen.width = c.screen_width;
    f.screen.height = c.screen_height;
    f.screen.available_left = c.available_left;
    f.screen.available_top = c.available_top;
    f.form.Form_Load();
    EXPECT_EQ(f.window.left, c.left);
    EXPECT_EQ(f.window.top, c.top);
}

INSTANTIATE_TEST_SUITE_P(
    Startup, WindowPlacement,
    testing::Values(PlacementCase{"Fits", 15360, 11520, 0, 0, 4170, 2062.5f},
                    PlacementCase{"TooTall", 12000, 6000, 0, 0, 2490, 0},
                    PlacementCase{"TooWide", 6000, 11520, 0, 0, 0, 2062.5f},
                    PlacementCase{"TooWideAndTooTall", 6000, 6000, 0, 0, 0, 0},
                    PlacementCase{"TooTallBelowATopPanel", 12000, 6000, 0, 450, 2490, 450},
                    PlacementCase{"TooWideBesideALeftDock", 6000, 11520, 960, 0, 960, 2062.5f},
                    PlacementCase{"FitsButCentringReachesUnderAPanel", 7500, 7500, 0, 300, 240,
                                  300}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(Startup, EachComponentGetsLabelsScaleAndCurveInTurnThenTheSum) {
    RecordedForm f;
    f.form.Form_Load();
    // Captions and scales, in the order they happened.
    std::vector<std::string> seen;
    for (const Op& op : f.log) {
        if ((op.name == "Caption" && op.control != "labelt" && op.control != "value_t") ||
            op.name == "Scale") {
            seen.push_back(op.control + "." + op.name + (op.text.empty() ? "" : " " + op.text));
        }
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"Labela(0).Caption 0", "Labelb(0).Caption 0",
                                              "Grph(0).Scale", "Labela(1).Caption 0",
                                              "Labelb(1).Caption 0", "Grph(1).Scale",
                                              "Labela(2).Caption 0", "Labelb(2).Caption 0",
                                              "Grph(2).Scale", "Labela(3).Caption 0",
                                              "Labelb(3).Caption 0", "Grph(3).Scale", "Gr.Scale"}));

    for (const auto& [name, top] : {std::pair{"Grph(2)", 10.0f}, std::pair{"Gr", 20.0f}}) {
        const auto ops = f.ops_on(name);
        const auto scale =
            *std::find_if(ops.begin(), ops.end(), [](const Op& op) { return op.name == "Scale"; });
        EXPECT_EQ(scale.args, (std::vector<float>{0.0f, top, 6.28318f, -top})) << name;
    }

    // Drawn in the order Grph(0)..Grph(3), then Gr.
    std::vector<std::string> drawn = controls_of(f.log, "PSet");
    EXPECT_EQ(drawn, (std::vector<std::string>{"Grph(0)", "Grph(1)", "Grph(2)", "Grph(3)", "Gr"}));
}

TEST(Startup, LastSumIsDrawnOnAGrClearedOnlyByTheComponentCurves) {
    RecordedForm f;
    f.form.Form_Load();
    const auto gr = f.ops_on("Gr");
    EXPECT_EQ(std::count_if(gr.begin(), gr.end(), [](const Op& op) { return op.name == "Cls"; }),
              4);
    // After the last Cls only the sum's own operations follow.
    const auto last_cls =
        std::find_if(gr.rbegin(), gr.rend(), [](const Op& op) { return op.name == "Cls"; });
    const auto after = std::distance(gr.rbegin(), last_cls);
    EXPECT_EQ(gr[gr.size() - static_cast<std::size_t>(after)].name, "Scale");
}

} // namespace
