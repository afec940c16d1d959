// SPDX-License-Identifier: MIT
#include "window_fixture.h"

#include "frontend/window.h"

#include <QStyle>

#include <ostream>
#include <string>

using namespace wave;
using namespace desktop;

namespace {

// Where the learner finds each control, in client pixels: twips / 15, each
// container's origin added, inside Gr also its 2-pixel border.
struct PlaceRow {
    const char* test;
    const char* control;
    QRect rect;
};

// Failures name the row, not its bytes.
void PrintTo(const PlaceRow& row, std::ostream* os) {
    *os << row.test;
}

class WindowPlace : public WindowTest, public testing::WithParamInterface<PlaceRow> {};

TEST_P(WindowPlace, StandsWhereTheLayoutPutsIt) {
    const PlaceRow& row = GetParam();
    const QWidget* widget = control(row.control);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(inWindow(*widget), row.rect);
}

INSTANTIATE_TEST_SUITE_P(
    Bands, WindowPlace,
    testing::Values(PlaceRow{"BandA", "Frame5", {0, 0, 457, 81}},
                    PlaceRow{"LetterA", "Label2", {0, 32, 17, 17}},
                    PlaceRow{"PlotA", "Grph(0)", {16, 8, 305, 73}},
                    PlaceRow{"PanelA", "Frame_a", {320, 0, 137, 81}},
                    PlaceRow{"CosA", "switch_c(0)", {400, 24, 41, 13}},
                    PlaceRow{"AmplitudeSpinnerA", "SpinButton3(0)", {368, 16, 17, 25}},
                    PlaceRow{"PanelB", "Form1", {320, 80, 137, 81}},
                    PlaceRow{"LetterB", "Label3", {0, 112, 17, 17}},
                    PlaceRow{"FrequencyB", "Labelb(1)", {344, 128, 17, 17}},
                    PlaceRow{"SinB", "switch_s(1)", {400, 128, 41, 13}},
                    PlaceRow{"WaveformGroupC", "Frame10(2)", {392, 168, 57, 65}},
                    PlaceRow{"AmplitudeTextC", "Label7(2)", {328, 184, 17, 17}},
                    PlaceRow{"AmplitudeC", "Labela(2)", {344, 184, 17, 17}},
                    PlaceRow{"TallSinC", "switch_s(2)", {400, 208, 41, 17}},
                    PlaceRow{"PanelD", "Frame3", {320, 240, 137, 81}},
                    PlaceRow{"PlotD", "Grph(3)", {16, 248, 305, 73}},
                    PlaceRow{"FrequencyTextD", "Label8(3)", {328, 288, 17, 17}},
                    PlaceRow{"FrequencySpinnerD", "SpinButton4(3)", {368, 288, 17, 25}},
                    PlaceRow{"BandE", "Frame9", {0, 320, 457, 145}},
                    PlaceRow{"LetterE", "Label6", {0, 376, 17, 17}},
                    PlaceRow{"SumPlot", "Gr", {16, 328, 305, 137}},
                    PlaceRow{"SpanOnThePlot", "value_t", {266, 402, 25, 17}},
                    PlaceRow{"SecondsOnThePlot", "Label9", {290, 402, 25, 17}},
                    PlaceRow{"SpanPanel", "Frame4", {320, 320, 137, 145}},
                    PlaceRow{"SpanText", "labelt", {344, 344, 17, 17}},
                    PlaceRow{"SpanSpinner", "SpinButton1", {368, 344, 17, 25}},
                    PlaceRow{"Reset", "Command1", {392, 344, 57, 17}},
                    PlaceRow{"AmplitudeStepGroup", "Frame11", {328, 376, 57, 81}},
                    PlaceRow{"AmplitudeStepTenth", "Option8", {336, 440, 41, 15}},
                    PlaceRow{"FrequencyStepGroup", "Frame12", {392, 376, 57, 81}},
                    PlaceRow{"FrequencyStepHalf", "Option2", {400, 408, 41, 15}}),
    [](const auto& row) { return std::string(row.param.test); });

struct NestRow {
    const char* test;
    const char* control;
    const char* container;
};

void PrintTo(const NestRow& row, std::ostream* os) {
    *os << row.test;
}

class WindowNesting : public WindowTest, public testing::WithParamInterface<NestRow> {};

TEST_P(WindowNesting, SitsInItsContainer) {
    const NestRow& row = GetParam();
    const QWidget* widget = control(row.control);
    ASSERT_NE(widget, nullptr);
    ASSERT_NE(widget->parentWidget(), nullptr);
    EXPECT_EQ(widget->parentWidget()->objectName().toStdString(), row.container);
    // The panel named Form1 is a frame in band B, never the window itself.
    EXPECT_NE(widget->parentWidget(), window.get());
}

INSTANTIATE_TEST_SUITE_P(Containers, WindowNesting,
                         testing::Values(NestRow{"SpanOnThePlot", "value_t", "Gr"},
                                         NestRow{"SecondsOnThePlot", "Label9", "Gr"},
                                         NestRow{"StepOption", "Option7", "Frame11"},
                                         NestRow{"ResetInTheSpanPanel", "Command1", "Frame4"},
                                         NestRow{"StepGroupsBesideTheSpanPanel", "Frame12",
                                                 "Frame9"},
                                         NestRow{"WaveformOptionC", "switch_s(2)", "Frame10(2)"},
                                         NestRow{"PanelOfBandB", "Form1", "Frame6"},
                                         NestRow{"AmplitudeB", "Labela(1)", "Form1"}),
                         [](const auto& row) { return std::string(row.param.test); });

// What the pointer meets at a point: the stacking the learner sees.
struct TopRow {
    const char* test;
    const char* control;
    QPoint at; // relative to the control's top-left
};

void PrintTo(const TopRow& row, std::ostream* os) {
    *os << row.test;
}

class WindowStacking : public WindowTest, public testing::WithParamInterface<TopRow> {};

TEST_P(WindowStacking, IsTheTopmostControlThere) {
    const TopRow& row = GetParam();
    const QWidget* widget = control(row.control);
    ASSERT_NE(widget, nullptr);
    const QPoint point = inWindow(*widget).topLeft() + row.at;
    const QWidget* top = window->childAt(point);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->objectName().toStdString(), row.control);
}

INSTANTIATE_TEST_SUITE_P(
    Overlaps, WindowStacking,
    testing::Values(TopRow{"AmplitudeStepFrameOverSpanPanel", "Frame11", {2, 40}},
                    TopRow{"FrequencyStepFrameOverSpanPanel", "Frame12", {54, 40}},
                    TopRow{"StepOptionOverSpanPanel", "Option3", {20, 7}},
                    TopRow{"SpanOverTheSumPlot", "value_t", {12, 8}},
                    TopRow{"SecondsOverTheSumPlot", "Label9", {12, 8}},
                    TopRow{"ResetOverItsPanel", "Command1", {28, 8}}),
    [](const auto& row) { return std::string(row.param.test); });

TEST_F(WindowTest, ClientAreaIsFixedAtItsLayoutSize) {
    const QSize client(kClientWidth, kClientHeight);
    EXPECT_EQ(window->size(), client);
    EXPECT_EQ(window->minimumSize(), client);
    EXPECT_EQ(window->maximumSize(), client);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    window->resize(600, 600);
    EXPECT_EQ(window->size(), client);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("波の合成"));
}

} // namespace
