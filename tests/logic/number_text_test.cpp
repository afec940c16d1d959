// SPDX-License-Identifier: MIT
#include "ui/number_text.h"

#include <gtest/gtest.h>

using namespace wave;

namespace {

struct TextCase {
    const char* name;
    double value;
    const char* as_single;
    const char* as_double;
};

class NumberText : public testing::TestWithParam<TextCase> {};

TEST_P(NumberText, SingleAndDouble) {
    const TextCase& c = GetParam();
    EXPECT_EQ(number_text(static_cast<float>(c.value)), c.as_single);
    EXPECT_EQ(number_text(c.value), c.as_double);
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberText,
    testing::Values(TextCase{"Zero", 0.0, "0", "0"}, TextCase{"Half", 0.5, "0.5", "0.5"},
                    TextCase{"One", 1.0, "1", "1"}, TextCase{"TenAndAHalf", 10.5, "10.5", "10.5"},
                    // 0.3 is not exact in binary; neither precision may show the error.
                    TextCase{"ThreeTenths", 0.3, "0.3", "0.3"},
                    TextCase{"ElevenTenths", 109.0 / 10, "10.9", "10.9"},
                    TextCase{"OneTenth", 0.1, "0.1", "0.1"},
                    TextCase{"Negative", -2.5, "-2.5", "-2.5"},
                    TextCase{"SevenDigitsRoundSingle", 1234567.8, "1234568", "1234567.8"},
                    TextCase{"LargeWhole", 16777216.0, "16777220", "16777216"},
                    TextCase{"TenMillionNoExponent", 1.0e7, "10000000", "10000000"},
                    TextCase{"SmallNoExponent", 0.00001, "0.00001", "0.00001"},
                    TextCase{"SpanOfTwelve", 12.0, "12", "12"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(NumberTextTenths, EveryAmplitudeAndFrequencyTextHasOneDecimalAtMost) {
    for (int tenths = 0; tenths <= 20000; ++tenths) {
        const std::string expected =
            std::to_string(tenths / 10) + (tenths % 10 ? "." + std::to_string(tenths % 10) : "");
        ASSERT_EQ(number_text(tenths / 10.0), expected) << tenths;
        ASSERT_EQ(number_text(static_cast<float>(tenths) / 10.0f), expected) << tenths;
    }
}

} // namespace
