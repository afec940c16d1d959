// SPDX-License-Identifier: MIT
#include "window_fixture.h"

#include <QFontInfo>

#include <ostream>
#include <string>

using namespace wave;
using namespace desktop;

namespace {

// The faces the layout names are rarely installed; these are what the
// program's substitutes resolve to.
struct FontRow {
    const char* test;
    const char* control;
    const char* family;
    int pixels;
    bool bold;
    bool italic;
};

// Failures name the row, not its bytes.
void PrintTo(const FontRow& row, std::ostream* os) {
    *os << row.test;
}

class WindowFonts : public WindowTest, public testing::WithParamInterface<FontRow> {};

TEST_P(WindowFonts, ResolvesToTheExpectedFace) {
    const FontRow& row = GetParam();
    const QWidget* widget = control(row.control);
    ASSERT_NE(widget, nullptr);
    const QFontInfo info(widget->font());
    EXPECT_EQ(info.family().toStdString(), row.family);
    EXPECT_EQ(info.pixelSize(), row.pixels);
    EXPECT_EQ(info.italic(), row.italic);
    EXPECT_EQ(widget->font().bold(), row.bold);
    EXPECT_FALSE(widget->font().underline());
    EXPECT_FALSE(widget->font().strikeOut());
}

constexpr const char* kSerif = "Liberation Serif";
constexpr const char* kGothicP = "IPAPGothic";
constexpr const char* kGothic = "IPAGothic";

INSTANTIATE_TEST_SUITE_P(
    Faces, WindowFonts,
    testing::Values(FontRow{"StepOptionA", "Option5", kSerif, 13, false, false},
                    FontRow{"StepOptionF", "Option3", kSerif, 13, false, false},
                    FontRow{"Amplitude", "Labela(1)", kSerif, 13, false, false},
                    FontRow{"Frequency", "Labelb(3)", kSerif, 13, false, false},
                    FontRow{"StepCaptionA", "Frame11", kSerif, 13, false, true},
                    FontRow{"StepCaptionF", "Frame12", kSerif, 13, false, true},
                    FontRow{"AmplitudeText", "Label7(2)", kSerif, 13, false, true},
                    FontRow{"FrequencyText", "Label8(0)", kSerif, 13, false, true},
                    FontRow{"SpanText", "Label1", kSerif, 13, false, true},
                    FontRow{"SpanValue", "labelt", kSerif, 11, false, false},
                    FontRow{"Reset", "Command1", kGothicP, 13, false, false},
                    FontRow{"Cosine", "switch_c(1)", kGothicP, 13, false, false},
                    FontRow{"Sine", "switch_s(3)", kGothicP, 13, false, false},
                    FontRow{"SpanOnThePlot", "value_t", kGothicP, 13, false, false},
                    FontRow{"Seconds", "Label9", kGothicP, 13, false, false},
                    FontRow{"LetterA", "Label2", kGothic, 13, true, false},
                    FontRow{"LetterE", "Label6", kGothic, 13, true, false}),
    [](const auto& row) { return std::string(row.param.test); });

} // namespace
