// SPDX-License-Identifier: MIT
#include "recording_controls.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace wave;

namespace {

std::vector<Op> named(const std::vector<Op>& ops, const std::string& name) {
    std::vector<Op> out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out),
                 [&](const Op& op) { return op.name == name; });
    return out;
}

// The samples of a curve: its PSet followed by its lines from the current point.
std::vector<Op> samples(const std::vector<Op>& ops) {
    std::vector<Op> out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out),
                 [](const Op& op) { return op.name == "PSet" || op.name == "LineTo"; });
    return out;
}

struct SpanCase {
    const char* name;
    float span;
    std::size_t samples;
    float last_x;
    std::vector<float> grid_x;
};

class CurveOverSpan : public testing::TestWithParam<SpanCase> {};

TEST_P(CurveOverSpan, SampleCountLastSampleAndSecondLines) {
    const SpanCase& c = GetParam();
    auto f = RecordedForm::loaded();
    f->form.settings.span_t = c.span;
    f->form.get_curve(1);
    f->form.get_curve2();

    for (const char* plot : {"Grph(1)", "Gr"}) {
        const auto ops = f->ops_on(plot);
        const auto s = samples(ops);
        ASSERT_EQ(s.size(), c.samples) << plot;
        EXPECT_EQ(s.front().name, "PSet") << plot;
        EXPECT_EQ(s.front().args[0], 0.0f) << plot;
        EXPECT_NEAR(s.back().args[0], c.last_x, 1e-4) << plot;

        // Every line with two points but the axis is a second line.
        auto lines = named(ops, "Line");
        ASSERT_FALSE(lines.empty());
        const Op axis = lines.back();
        lines.pop_back();
        EXPECT_EQ(axis.args, (std::vector<float>{
                                 0.0f, 0.0f, static_cast<float>(3.14159 * (2 * c.span)), 0.0f}));
        std::vector<float> xs;
        for (const Op& l : lines) {
            EXPECT_EQ(l.args[0], l.args[2]);
            EXPECT_EQ(l.args[1], 10.0f);
            EXPECT_EQ(l.args[3], -10.0f);
            xs.push_back(l.args[0]);
        }
        EXPECT_EQ(xs, c.grid_x) << plot;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Spans, CurveOverSpan,
    testing::Values(
        // 400 steps of h overshoot the right edge by rounding: one sample short.
        SpanCase{"OneSecond", 1.0f, 400, 6.26747f, {}},
        SpanCase{"TwoSeconds", 2.0f, 400, 12.53494f, {6.28318f}},
        // Here the rounding falls below the edge, so the edge itself is sampled.
        SpanCase{"ThreeSeconds", 3.0f, 401, 18.84954f, {6.28318f, 12.56636f}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ComponentCurve, ClearsBothPlotsThenGridAxisWaveInOrder) {
    auto f = RecordedForm::loaded();
    f->form.settings.span_t = 2.0f;
    f->form.get_curve(2);
    ASSERT_GE(f->log.size(), 4u);
    EXPECT_EQ(f->log[0].control + "." + f->log[0].name, "Grph(2).Cls");
    EXPECT_EQ(f->log[1].control + "." + f->log[1].name, "Gr.Cls");
    // Nothing else touches Gr, and nothing touches another component.
    for (std::size_t k = 2; k < f->log.size(); ++k) {
        ASSERT_EQ(f->log[k].control, "Grph(2)") << f->log[k];
    }
    std::vector<std::string> head;
    for (std::size_t k = 2; k < 9; ++k) {
        std::ostringstream os;
        os << f->log[k];
        head.push_back(os.str());
    }
    EXPECT_EQ(head,
              (std::vector<std::string>{"Grph(2).DrawStyle 2", "Grph(2).ForeColor 65280",
                                        "Grph(2).Line 6.28318 10 6.28318 -10",
                                        "Grph(2).DrawStyle 0", "Grph(2).ForeColor 0",
                                        "Grph(2).Line 0 0 12.5664 0", "Grph(2).ForeColor 255"}));
}

TEST(SumCurve, NeverClearsAndLeavesBlueSolidPen) {
    auto f = RecordedForm::loaded();
    f->form.get_curve2();
    EXPECT_TRUE(named(f->log, "Cls").empty());
    const auto styles = named(f->ops_on("Gr"), "DrawStyle");
    const auto colours = named(f->ops_on("Gr"), "ForeColor");
    EXPECT_EQ(styles.back().args[0], 0.0f);
    EXPECT_EQ(colours.back().args[0], static_cast<float>(0xFF0000));
}

TEST(ComponentCurve, LeavesRedSolidPenAtLastSample) {
    auto f = RecordedForm::loaded();
    f->form.get_curve(0);
    const auto ops = f->ops_on("Grph(0)");
    EXPECT_EQ(named(ops, "DrawStyle").back().args[0], 0.0f);
    EXPECT_EQ(named(ops, "ForeColor").back().args[0], 255.0f);
    EXPECT_EQ(ops.back().name, "LineTo");
}

struct WaveCase {
    const char* name;
    std::int16_t amp;
    float freq; // tenths
    bool cosine;
    double x; // where to look
    double y; // expected value there
};

class ComponentWave : public testing::TestWithParam<WaveCase> {};

TEST_P(ComponentWave, SampleValueFollowsTheFormula) {
    const WaveCase& c = GetParam();
    auto f = RecordedForm::loaded();
    f->form.settings.amp[3] = c.amp;
    f->form.settings.freq[3] = c.freq;
    f->form.settings.is_cos[3] = c.cosine ? VbTrue : VbFalse;
    f->form.get_curve(3);
    const auto s = samples(f->ops_on("Grph(3)"));
    const auto near = std::min_element(s.begin(), s.end(), [&](const Op& a, const Op& b) {
        return std::abs(a.args[0] - c.x) < std::abs(b.args[0] - c.x);
    });
    ASSERT_NEAR(near->args[0], c.x, 0.008);
    EXPECT_NEAR(near->args[1], c.y, 1e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Waves, ComponentWave,
    testing::Values(WaveCase{"CosineStartsAtAmplitude", 25, 10, true, 0.0, 2.5},
                    WaveCase{"SineStartsAtZero", 25, 10, false, 0.0, 0.0},
                    WaveCase{"FullAmplitudeTouchesTop", 100, 10, true, 0.0, 10.0},
                    WaveCase{"AboveTheTopIsNotClipped", 105, 10, true, 0.0, 10.5},
                    WaveCase{"ZeroFrequencyCosineIsFlat", 30, 0, true, 5.0, 3.0},
                    WaveCase{"ZeroFrequencySineOnAxis", 30, 0, false, 5.0, 0.0},
                    WaveCase{"OneHertzSineQuarterPeriod", 40, 10, false, 3.14159 / 2, 4.0},
                    WaveCase{"TwoHertzCosineQuarterSecond", 50, 20, true, 3.14159 / 2, -5.0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(SumCurve, FirstSampleIsTheSumOfCosineAmplitudes) {
    auto f = RecordedForm::loaded();
    WaveSettings& s = f->form.settings;
    s.amp = {100, 100, 30, 70, 0};
    s.freq = {10, 20, 0, 50, 0};
    s.is_cos = {VbTrue, VbTrue, VbFalse, VbTrue, 0};
    f->form.get_curve2();
    const auto first = samples(f->ops_on("Gr")).front();
    EXPECT_EQ(first.name, "PSet");
    EXPECT_EQ(first.args[1], 27.0f); // 10 + 10 + 7; beyond the top, drawn anyway
}

TEST(SumCurve, ZeroFrequencyComponentsShiftEverySample) {
    auto f = RecordedForm::loaded();
    WaveSettings& s = f->form.settings;
    s.amp = {25, 40, 0, 0, 0};
    s.freq = {0, 0, 0, 0, 0};
    s.is_cos = {VbTrue, VbFalse, VbTrue, VbTrue, 0};
    f->form.get_curve2();
    for (const Op& op : samples(f->ops_on("Gr"))) {
        ASSERT_EQ(op.args[1], 2.5f);
    }
}

TEST(SecondLines, BeyondSixteenBitCounterStillDrawnAtTheRightPlaces) {
    auto f = RecordedForm::loaded();
    f->Grph[0].columns = 100000; // dense enough that no line is thinned out
    f->form.settings.span_t = 20000.0f;
    f->form.get_curve(0);
    const auto lines = named(f->ops_on("Grph(0)"), "Line");
    ASSERT_EQ(lines.size(), 19999u + 1u);
    EXPECT_EQ(lines[19998].args[0], static_cast<float>(2.0 * 19999 * 3.14159));
    EXPECT_GT(lines[19998].args[0], lines[19997].args[0]);
}

TEST(SecondLines, DenserThanThePixelsBecomeOneLinePerColumn) {
    for (const float span : {302.0f, 10000.0f, 1.0e7f}) {
        auto f = RecordedForm::loaded();
        f->form.settings.span_t = span;
        f->form.get_curve(0);
        f->form.get_curve2();
        for (const char* plot : {"Grph(0)", "Gr"}) {
            auto lines = named(f->ops_on(plot), "Line");
            lines.pop_back(); // the axis
            ASSERT_EQ(lines.size(), 301u) << plot << " span " << span;
            const float column = static_cast<float>(3.14159 * 2 * span / 301);
            EXPECT_NEAR(lines.front().args[0], column / 2, column * 1e-3);
            EXPECT_NEAR(lines.back().args[0], column * 300.5f, column * 1e-3);
        }
    }
}

TEST(SecondLines, AsManyAsColumnsAreStillDrawnOneBySecond) {
    auto f = RecordedForm::loaded();
    f->form.settings.span_t = 301.0f;
    f->form.get_curve(0);
    auto lines = named(f->ops_on("Grph(0)"), "Line");
    lines.pop_back();
    ASSERT_EQ(lines.size(), 300u);
    EXPECT_EQ(lines.back().args[0], static_cast<float>(600 * 3.14159));
}

TEST(ComponentCurve, IndexOutsideTheArraysFailsBeforeDrawing) {
    auto f = RecordedForm::loaded();
    EXPECT_THROW(f->form.get_curve(4), std::out_of_range);
    EXPECT_THROW(f->form.get_curve(-1), std::out_of_range);
    EXPECT_TRUE(f->log.empty());
}

} // namespace

// Each wave's samples are kept between redraws. After a change to anything
// they depend on, the sum and every component must come out exactly as in a
// window that never drew the old values.
struct SettingChange {
    const char* name;
    void (*change)(WaveSettings&);
};

class KeptSamples : public testing::TestWithParam<SettingChange> {};

TEST_P(KeptSamples, RedrawAfterAChangeDrawsWhatAFreshWindowDraws) {
    const auto redraw = [](Form1& form) {
        // The sum first: it must not wait for a component's redraw to notice.
        form.get_curve2();
        for (std::int16_t k = 0; k <= 3; ++k) {
            form.get_curve(k);
        }
    };
    auto kept = RecordedForm::loaded();
    WaveSettings& s = kept->form.settings;
    s.amp = {30, 50, 20, 70, 0};
    s.freq = {10, 30, 5, 20, 0};
    s.is_cos = {VbTrue, VbFalse, VbTrue, VbTrue, 0};
    redraw(kept->form);
    GetParam().change(s);
    kept->log.clear();
    redraw(kept->form);

    RecordedForm fresh;
    fresh.form.settings = s;
    redraw(fresh.form);

    ASSERT_EQ(kept->log.size(), fresh.log.size());
    for (std::size_t i = 0; i < fresh.log.size(); ++i) {
        const Op& a = kept->log[i];
        const Op& b = fresh.log[i];
        ASSERT_TRUE(a.control == b.control && a.name == b.name && a.args == b.args)
            << i << ": " << a << " against " << b;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, KeptSamples,
    testing::Values(SettingChange{"Amplitude", [](WaveSettings& s) { s.amp[2] = 90; }},
                    SettingChange{"Frequency", [](WaveSettings& s) { s.freq[0] = 40; }},
                    SettingChange{"SineForCosine", [](WaveSettings& s) { s.is_cos[3] = VbFalse; }},
                    SettingChange{"CosineForSine", [](WaveSettings& s) { s.is_cos[1] = VbTrue; }},
                    SettingChange{"Span", [](WaveSettings& s) { s.span_t = 3.0f; }},
                    SettingChange{"Pi", [](WaveSettings& s) { s.pi = 3.2; }},
                    SettingChange{"FewerComponents", [](WaveSettings& s) { s.last_comp = 1; }},
                    SettingChange{"Unchanged", [](WaveSettings&) {}}),
    [](const auto& row) { return std::string(row.param.name); });
