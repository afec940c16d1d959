// SPDX-License-Identifier: MIT
#include "form/form1.h"
#include "logic/form_events.h"
#include "logic/record_invariants.h"
#include "plot/plot_parts.h"
#include "qt/main_window.h"
#include "qt/picture_box_widget.h"
#include "ui/fresh_window.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

using namespace wave;
using namespace desktop;

// The real plots at spans and frequencies far past what a learner clicks
// to: every press still leaves each kept image as a fresh window draws it,
// and a span with more seconds than pixel columns costs one grid line per
// column at most while still showing a line in every column.

namespace {

const std::array<const char*, 5> kPlots{"Grph(0)", "Grph(1)", "Grph(2)", "Grph(3)", "Gr"};

PictureBoxWidget* plot(const MainWindow& w, const char* name) {
    return w.findChild<PictureBoxWidget*>(QString::fromUtf8(name));
}

// Puts the window where the learner would have it after getting there.
void bring_to(MainWindow& w, float span, float freq, std::int16_t amp) {
    WaveSettings s = w.form().settings;
    for (std::size_t i = 0; i < 4; ++i) {
        s.amp[i] = amp;
        s.freq[i] = freq;
        s.is_cos[i] = i % 2 == 0 ? VbTrue : VbFalse;
    }
    s.span_t = span;
    redraw_from(w, s);
}

// Passes every operation on to a real plot and counts the two-point lines.
class CountingPlot : public PictureBox {
public:
    explicit CountingPlot(PictureBox& real) : real_(real) {}
    void Scale(float x1, float y1, float x2, float y2) override { real_.Scale(x1, y1, x2, y2); }
    void Cls() override { real_.Cls(); }
    void DrawStyle(LineStyle s) override { real_.DrawStyle(s); }
    void ForeColor(Colour c) override { real_.ForeColor(c); }
    void Line(float x1, float y1, float x2, float y2) override {
        ++lines;
        real_.Line(x1, y1, x2, y2);
    }
    void Line(float x2, float y2) override { real_.Line(x2, y2); }
    void PSet(float x, float y) override { real_.PSet(x, y); }
    int PixelColumns() const override { return real_.PixelColumns(); }

    int lines = 0;

private:
    PictureBox& real_;
};

struct ExtremeCase {
    const char* name;
    float span;
    float freq;
    std::int16_t amp;
};

void PrintTo(const ExtremeCase& c, std::ostream* os) {
    *os << c.name;
}

class WindowExtremes : public testing::TestWithParam<ExtremeCase> {};

TEST_P(WindowExtremes, EveryPressLeavesEachImageAsAFreshWindowDrawsIt) {
    const ExtremeCase& c = GetParam();
    MainWindow w;
    bring_to(w, c.span, c.freq, c.amp);
    for (const FormEvent& event : all_form_events()) {
        SCOPED_TRACE(event.name());
        event.apply(w.form());
        const WaveSettings& s = w.form().settings;
        EXPECT_EQ(record_breaches(s), std::vector<std::string>{});

        MainWindow fresh;
        redraw_from(fresh, s);
        for (const char* name : kPlots) {
            EXPECT_TRUE(plot(w, name)->image() == plot(fresh, name)->image()) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Records, WindowExtremes,
                         testing::Values(ExtremeCase{"SpanTenMillionSeconds", 1e7f, 30.0f, 50},
                                         ExtremeCase{"FrequencyMillionHertz", 2.0f, 1e7f, 109},
                                         ExtremeCase{"BothAtOnce", 1e7f, 1e7f, 109}),
                         [](const auto& row) { return std::string(row.param.name); });

struct GridCase {
    const char* name;
    float span;
    bool every_column; // more seconds than columns: a line in each one
};

void PrintTo(const GridCase& c, std::ostream* os) {
    *os << c.name;
}

class ThinnedGrid : public testing::TestWithParam<GridCase> {};

TEST_P(ThinnedGrid, CostsAtMostALinePerColumnAndShowsWhatTheSpanHolds) {
    const GridCase& c = GetParam();
    MainWindow w;
    PictureBoxWidget& sum = *plot(w, "Gr");
    WaveSettings s = w.form().settings;
    s.span_t = c.span;

    CountingPlot counting(sum.surface());
    counting.Cls();
    counting.Scale(0, 20, static_cast<float>(plot_end(s)), -20);
    counting.DrawStyle(LineStyle::Dotted);
    counting.ForeColor(kGridGreen);
    draw_second_lines(counting, s);

    const QImage& image = sum.image();
    ASSERT_EQ(sum.surface().PixelColumns(), image.width());
    EXPECT_LE(counting.lines, image.width());
    int green_columns = 0;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) == 0xFF00FF00u) {
                ++green_columns;
                break;
            }
        }
    }
    if (c.every_column) {
        EXPECT_EQ(green_columns, image.width());
    } else {
        EXPECT_EQ(green_columns, static_cast<int>(c.span) - 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Spans, ThinnedGrid,
                         testing::Values(GridCase{"FewerSecondsThanColumns", 100.0f, false},
                                         GridCase{"JustMoreSecondsThanColumns", 302.0f, true},
                                         GridCase{"TenMillionSeconds", 1e7f, true}),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
