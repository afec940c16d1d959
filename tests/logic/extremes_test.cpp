// SPDX-License-Identifier: MIT
#include "logic/form_events.h"
#include "logic/window_checker.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

using namespace wave;

// Spans and frequencies far beyond what a learner clicks to, put straight
// into the record; then every press, each checked as in the random runs,
// and each plot's drawing bounded by its width, not by the span.

namespace {

using namespace window_check;

struct ExtremeCase {
    const char* name;
    float span;
    float freq;       // tenths of a hertz, every component
    std::int16_t amp; // tenths, every component
};

void PrintTo(const ExtremeCase& c, std::ostream* os) {
    *os << c.name;
}

// Samples run from 0 to the right edge in steps of a two-hundredth of half of it.
constexpr std::size_t kMostSamples = 402;

class Extremes : public testing::TestWithParam<ExtremeCase> {};

TEST_P(Extremes, EveryPressStaysSoundAndBoundedByThePlotsWidth) {
    const ExtremeCase& c = GetParam();
    auto f = std::make_unique<RecordedForm>();
    f->form.Form_Load();

    // The window as it would stand had the learner got here: values and their
    // labels, then one span press to rescale and redraw every plot.
    WaveSettings& s = f->form.settings;
    for (std::size_t i = 0; i < 4; ++i) {
        s.amp[i] = c.amp;
        s.freq[i] = c.freq;
        s.is_cos[i] = i % 2 == 0 ? VbTrue : VbFalse;
        f->Labela[i].Caption(number_text(s.amp[i] / 10.0));
        f->Labelb[i].Caption(number_text(s.freq[i] / 10.0f));
    }
    s.span_t = c.span - 1.0f;
    f->form.SpinButton1_SpinUp();
    ASSERT_EQ(s.span_t, c.span);

    Checker checker(*f);
    checker.start(*f);
    f->log.clear();

    for (const FormEvent& event : all_form_events()) {
        SCOPED_TRACE(event.name());
        event.apply(f->form);
        const std::string wrong = checker.check(*f);
        ASSERT_TRUE(wrong.empty()) << wrong;

        const RecordedForm& shown = *f;
        for (std::size_t p = 0; p < kPlots.size(); ++p) {
            const auto& drawing = checker.trace(p).drawing;
            const auto lines = std::count_if(drawing.begin(), drawing.end(), [](const Stroke& st) {
                return st.kind == Stroke::Line;
            });
            const auto samples =
                std::count_if(drawing.begin(), drawing.end(), [](const Stroke& st) {
                    return st.kind == Stroke::LineTo || st.kind == Stroke::PSet;
                });
            const int columns = p < 4 ? shown.Grph[p].PixelColumns() : shown.Gr.PixelColumns();
            // A grid line per pixel column at most, and the axis.
            EXPECT_LE(lines, columns + 1) << kPlots[p];
            EXPECT_LE(static_cast<std::size_t>(samples), kMostSamples) << kPlots[p];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Records, Extremes,
    testing::Values(ExtremeCase{"SpanTenMillionSeconds", 1e7f, 30.0f, 50},
                    ExtremeCase{"FrequencyMillionHertz", 2.0f, 1e7f, 109},
                    ExtremeCase{"BothAtOnce", 1e7f, 1e7f, 109},
                    // Past here a float no longer holds every whole number.
                    ExtremeCase{"SpanAtTheFloatLimit", 16777216.0f, 10.0f, 100},
                    ExtremeCase{"FrequencyAtTheFloatLimit", 3.0f, 16777216.0f, 0},
                    // The widest grid a 16-bit counter could number.
                    ExtremeCase{"SpanPastA16BitGrid", 32769.0f, 5.0f, 1},
                    ExtremeCase{"SpanJustAboveThePlotsColumns", 302.0f, 7.0f, 30}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
