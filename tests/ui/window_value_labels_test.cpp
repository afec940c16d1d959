// SPDX-License-Identifier: MIT
#include "window_fixture.h"

#include "qt/value_label.h"
#include "ui/number_text.h"

#include <QFontMetricsF>

#include <ostream>
#include <string>
#include <vector>

using namespace wave;
using namespace desktop;

namespace {

std::vector<std::string> amplitudes() {
    std::vector<std::string> texts;
    for (int tenths = 0; tenths <= 109; ++tenths) {
        texts.push_back(number_text(static_cast<float>(tenths) / 10.0f));
    }
    return texts;
}

std::vector<std::string> frequencies() {
    return {"0", "0.1", "9.9", "10.5", "88.8", "100", "444.4", "808.8", "999.9"};
}

std::vector<std::string> spans() {
    return {"1", "10", "99", "100", "888", "1000", "4444", "8888", "9999"};
}

struct FitRow {
    const char* test;
    const char* control;
    std::vector<std::string> (*texts)();
};

// Failures name the row, not its bytes.
void PrintTo(const FitRow& row, std::ostream* os) {
    *os << row.test;
}

class WindowValueLabels : public WindowTest, public testing::WithParamInterface<FitRow> {};

// The window's value labels are narrow; wide values must still show whole,
// in the label's own face, and without moving or growing the label.
TEST_P(WindowValueLabels, ShowTheWholeValueInTheirPlace) {
    const FitRow& row = GetParam();
    auto* label = control<ValueLabel>(row.control);
    ASSERT_NE(label, nullptr);
    const QRect place = inWindow(*label);
    for (const std::string& text : row.texts()) {
        SCOPED_TRACE(text);
        label->Caption(text);
        const QString shown = QString::fromStdString(text);
        EXPECT_EQ(label->text(), shown);
        const QFont& used = label->fittedFont();
        EXPECT_EQ(used.family(), label->font().family());
        const QFontMetricsF metrics(used, label);
        EXPECT_LE(metrics.horizontalAdvance(shown), label->contentsRect().width());
        EXPECT_LE(metrics.boundingRect(shown).width(), label->contentsRect().width());
        EXPECT_EQ(inWindow(*label), place);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, WindowValueLabels,
                         testing::Values(FitRow{"AmplitudeA", "Labela(0)", &amplitudes},
                                         FitRow{"PaintedAmplitudeD", "Labela(3)", &amplitudes},
                                         FitRow{"FrequencyB", "Labelb(1)", &frequencies},
                                         FitRow{"PaintedFrequencyC", "Labelb(2)", &frequencies},
                                         FitRow{"SpanInPanel", "labelt", &spans},
                                         FitRow{"SpanOnThePlot", "value_t", &spans}),
                         [](const auto& row) { return std::string(row.param.test); });

struct KeepRow {
    const char* test;
    const char* control;
    const char* text;
};

void PrintTo(const KeepRow& row, std::ostream* os) {
    *os << row.test;
}

class WindowValueLabelsKeep : public WindowTest, public testing::WithParamInterface<KeepRow> {};

TEST_P(WindowValueLabelsKeep, KeepTheirFontWhenTheValueFits) {
    const KeepRow& row = GetParam();
    auto* label = control<ValueLabel>(row.control);
    ASSERT_NE(label, nullptr);
    label->Caption(row.text);
    EXPECT_EQ(label->fittedFont(), label->font());
}

INSTANTIATE_TEST_SUITE_P(Values, WindowValueLabelsKeep,
                         testing::Values(KeepRow{"AmplitudeOne", "Labela(2)", "1"},
                                         KeepRow{"FrequencyZero", "Labelb(0)", "0"},
                                         KeepRow{"SpanOne", "labelt", "1"},
                                         KeepRow{"SpanOnThePlotTwoDigits", "value_t", "10"}),
                         [](const auto& row) { return std::string(row.param.test); });

} // namespace
