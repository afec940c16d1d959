// SPDX-License-Identifier: MIT
#include "window_fixture.h"

#include "frontend/window.h"
#include "qt/colour.h"
#include "qt/picture_box_widget.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <ostream>
#include <string>

using namespace wave;
using namespace desktop;

namespace {

// What the window shows behind a control's text: its own colour or, for a
// transparent label, whatever it sits on. Colours here are RGB.
struct BackRow {
    const char* test;
    const char* control;
    QPoint at; // relative to the control, clear of text and border
    QRgb rgb;
};

// Failures name the row, not its bytes.
void PrintTo(const BackRow& row, std::ostream* os) {
    *os << row.test;
}

const QRgb kSilver = to_qcolor(kWindowBack).rgb() & 0xFFFFFF;
constexpr QRgb kLightCyan = 0xC0FFFF;
constexpr QRgb kLightYellow = 0xFFFFC0;
constexpr QRgb kLightMagenta = 0xFFC0FF;
constexpr QRgb kLightGreen = 0xC0FFC0;

class WindowBackground : public WindowTest, public testing::WithParamInterface<BackRow> {};

TEST_P(WindowBackground, ShowsTheRightColourBehindTheControl) {
    const BackRow& row = GetParam();
    const QWidget* widget = control(row.control);
    ASSERT_NE(widget, nullptr);
    const QImage shot = window->grab().toImage();
    const QPoint point = inWindow(*widget).topLeft() + row.at;
    const QRgb seen = shot.pixel(point) & 0xFFFFFF;
    EXPECT_EQ(seen, row.rgb) << "at " << point.x() << "," << point.y() << std::hex << ": " << seen;
}

INSTANTIATE_TEST_SUITE_P(
    Colours, WindowBackground,
    testing::Values(BackRow{"LetterAOnSilverBand", "Label2", {3, 1}, kSilver},
                    BackRow{"LetterBOnDefaultBand", "Label3", {3, 1}, kSilver},
                    BackRow{"LetterEOnDefaultBand", "Label6", {3, 16}, kSilver},
                    BackRow{"AmplitudeTextOnPanel", "Label7(0)", {15, 1}, kLightCyan},
                    BackRow{"TransparentAmplitudeOnPanel", "Labela(1)", {1, 1}, kLightCyan},
                    BackRow{"PaintedFrequencyOnPanel", "Labelb(3)", {1, 1}, kLightCyan},
                    BackRow{"PanelInside", "Frame2", {20, 70}, kLightCyan},
                    BackRow{"WaveformGroupInside", "Frame10(1)", {50, 58}, kLightYellow},
                    BackRow{"WaveformOption", "switch_c(3)", {39, 1}, kLightYellow},
                    BackRow{"StepOption", "Option6", {39, 1}, kLightYellow},
                    BackRow{"StepCaptionGround", "Frame12", {50, 2}, kLightYellow},
                    BackRow{"SpanPanelInside", "Frame4", {100, 8}, kLightMagenta},
                    BackRow{"SpanTextOnSpanPanel", "Label1", {15, 1}, kLightMagenta},
                    BackRow{"SpanValueOnSpanPanel", "labelt", {1, 1}, kLightMagenta},
                    BackRow{"SpanOverTheSumPlot", "value_t", {1, 1}, kLightGreen},
                    BackRow{"SecondsOverTheSumPlot", "Label9", {1, 1}, kLightGreen}),
    [](const auto& row) { return std::string(row.param.test); });

// Anti-aliased strokes blend with what lies behind, so ink is counted by its
// hue: the wanted channel well above the other two.
int ink_pixels(const QImage& shot, const QRect& area, QRgb rgb) {
    const QColor want(rgb);
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c(shot.pixel(x, y));
            const int r = c.red(), g = c.green(), b = c.blue();
            const bool red = r > g + 60 && r > b + 60;
            const bool blue = b > r + 60 && b > g + 60;
            n += (want.red() == 255 ? red : blue) ? 1 : 0;
        }
    }
    return n;
}

struct InkRow {
    const char* test;
    const char* control;
    QRgb rgb;
};

void PrintTo(const InkRow& row, std::ostream* os) {
    *os << row.test;
}

class WindowInk : public WindowTest, public testing::WithParamInterface<InkRow> {};

TEST_P(WindowInk, TextIsDrawnInItsColour) {
    const InkRow& row = GetParam();
    const QWidget* widget = control(row.control);
    ASSERT_NE(widget, nullptr);
    const QImage shot = window->grab().toImage();
    EXPECT_GE(ink_pixels(shot, inWindow(*widget), row.rgb), 3);
}

INSTANTIATE_TEST_SUITE_P(Colours, WindowInk,
                         testing::Values(InkRow{"AmplitudeRed", "Labela(0)", 0xFF0000},
                                         InkRow{"PaintedFrequencyRed", "Labelb(2)", 0xFF0000},
                                         InkRow{"SpanRed", "labelt", 0xFF0000},
                                         InkRow{"SpanOnPlotRed", "value_t", 0xFF0000},
                                         InkRow{"SecondsBlue", "Label9", 0x0000FF},
                                         InkRow{"LetterRed", "Label4", 0xFF0000}),
                         [](const auto& row) { return std::string(row.param.test); });

// The labels inside Gr are not part of its drawing: clearing and drawing over
// their place must leave them in sight.
class WindowInkOverPlot : public WindowTest, public testing::WithParamInterface<InkRow> {};

TEST_P(WindowInkOverPlot, TextStaysOverARedrawnSumPlot) {
    const InkRow& row = GetParam();
    QWidget* widget = control(row.control);
    auto* gr = control<PictureBoxWidget>("Gr");
    ASSERT_NE(widget, nullptr);
    ASSERT_NE(gr, nullptr);
    // Clear Gr, then rule black lines through the rows the labels stand on.
    gr->surface().Cls();
    gr->surface().Scale(0, 0, 300, 133);
    gr->surface().ForeColor(0);
    for (int y = 70; y < 95; ++y) {
        gr->surface().Line(0, static_cast<float>(y), 300, static_cast<float>(y));
    }
    const QImage shot = window->grab().toImage();
    EXPECT_GE(ink_pixels(shot, inWindow(*widget), row.rgb), 3);
}

INSTANTIATE_TEST_SUITE_P(Colours, WindowInkOverPlot,
                         testing::Values(InkRow{"SpanRed", "value_t", 0xFF0000},
                                         InkRow{"SecondsBlue", "Label9", 0x0000FF}),
                         [](const auto& row) { return std::string(row.param.test); });

// A frame draws border and caption inside its own rectangle: the border runs
// along the top row, or through the middle of the caption when it has one.
struct BorderRow {
    const char* test;
    const char* control;
    bool captioned;
};

void PrintTo(const BorderRow& row, std::ostream* os) {
    *os << row.test;
}

class WindowFrameBorder : public WindowTest, public testing::WithParamInterface<BorderRow> {};

TEST_P(WindowFrameBorder, TopEdgeLiesInsideTheFrame) {
    const BorderRow& row = GetParam();
    QWidget* frame = control(row.control);
    ASSERT_NE(frame, nullptr);
    const QImage shot = frame->grab().toImage();
    // A column clear of the caption and of the side borders.
    const int x = frame->width() - 6;
    const QRgb inside = shot.pixel(x, frame->height() / 2);
    int top = 0;
    while (top < shot.height() && shot.pixel(x, top) == inside) {
        ++top;
    }
    if (!row.captioned) {
        EXPECT_EQ(top, 0);
        return;
    }
    const int caption = QFontMetrics(frame->font()).height();
    EXPECT_GT(top, 1);
    EXPECT_LT(top, caption - 2);
}

INSTANTIATE_TEST_SUITE_P(Frames, WindowFrameBorder,
                         testing::Values(BorderRow{"BandA", "Frame5", false},
                                         BorderRow{"PanelB", "Form1", false},
                                         BorderRow{"WaveformGroupC", "Frame10(2)", false},
                                         BorderRow{"SpanPanel", "Frame4", false},
                                         BorderRow{"AmplitudeStep", "Frame11", true},
                                         BorderRow{"FrequencyStep", "Frame12", true}),
                         [](const auto& row) { return std::string(row.param.test); });

// The option rows are 13 to 17 pixels high; a clipped indicator reads as a
// different control.
class WindowOptionIndicator : public WindowTest, public testing::WithParamInterface<const char*> {};

TEST_P(WindowOptionIndicator, FitsInsideTheButton) {
    QRadioButton* button = control<QRadioButton>(GetParam());
    ASSERT_NE(button, nullptr);
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect indicator =
        button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
    EXPECT_TRUE(button->rect().contains(indicator))
        << indicator.width() << "x" << indicator.height() << " in " << button->height();
}

INSTANTIATE_TEST_SUITE_P(Options, WindowOptionIndicator,
                         testing::Values("switch_c(0)", "switch_s(1)", "switch_s(3)", "Option5",
                                         "Option4"),
                         [](const auto& row) {
                             std::string name = row.param;
                             std::erase(name, '(');
                             std::erase(name, ')');
                             return name;
                         });

// Buttons inside coloured panels keep the standard button face.
class WindowButtonFace : public WindowTest, public testing::WithParamInterface<const char*> {};

TEST_P(WindowButtonFace, IsNotTintedByItsPanel) {
    const QWidget* widget = control(GetParam());
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->palette().color(QPalette::Button),
              QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(widget->palette().color(QPalette::ButtonText),
              QApplication::palette().color(QPalette::ButtonText));
}

INSTANTIATE_TEST_SUITE_P(Buttons, WindowButtonFace,
                         testing::Values("Command1", "SpinButton1", "SpinButton3(0)",
                                         "SpinButton4(2)"),
                         [](const auto& row) {
                             std::string name = row.param;
                             std::erase(name, '(');
                             std::erase(name, ')');
                             return name;
                         });

} // namespace
