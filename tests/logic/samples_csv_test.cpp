// SPDX-License-Identifier: MIT
#include "frontend/samples_csv.h"
#include "frontend/setup_text.h"
#include "logic/recording_controls.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace wave {
namespace {

// The points a plot was drawn through, in order.
std::vector<Op> drawn(const RecordedForm& f, const std::string& control) {
    std::vector<Op> points;
    for (const Op& op : f.ops_on(control)) {
        if (op.name == "PSet" || op.name == "LineTo") {
            points.push_back(op);
        }
    }
    return points;
}

class SamplesCsv : public testing::TestWithParam<const char*> {};

// One row per point of the large plot, with the x, the E and each component's
// y that the plots drew; each column its own wave; E the sum of the four.
TEST_P(SamplesCsv, RowsAreThePlottedSamples) {
    auto f = RecordedForm::loaded();
    const WaveSettings& s = f->form.settings = read_setup(GetParam(), f->form.settings);
    for (std::int16_t i = 0; i < 4; ++i) {
        f->form.get_curve(i);
    }
    f->form.get_curve2();

    const std::string csv = samples_csv(s);
    EXPECT_EQ(csv.substr(0, 13), "t,A,B,C,D,E\r\n");
    EXPECT_EQ(csv.find_first_not_of("0123456789.-,\r\n", 13), std::string::npos)
        << "plain decimals only";
    std::istringstream lines(csv.substr(13));
    std::vector<std::array<double, 6>> rows;
    for (std::string line; std::getline(lines, line, '\n');) {
        ASSERT_EQ(line.back(), '\r');
        std::array<double, 6> row{};
        const char* at = line.data();
        for (double& field : row) {
            const auto [end, ec] = std::from_chars(at, line.data() + line.size() - 1, field);
            ASSERT_TRUE(ec == std::errc{} && (*end == ',' || *end == '\r')) << line;
            at = end + 1;
        }
        ASSERT_EQ(at, line.data() + line.size()) << "six fields: " << line;
        rows.push_back(row);
    }

    const std::vector<Op> sum = drawn(*f, "Gr");
    std::array<std::vector<Op>, 4> waves;
    for (std::size_t k = 0; k < 4; ++k) {
        waves[k] = drawn(*f, "Grph(" + std::to_string(k) + ")");
        ASSERT_EQ(waves[k].size(), rows.size());
    }
    ASSERT_EQ(rows.size(), sum.size());
    EXPECT_NEAR(rows.back()[0], s.span_t, s.span_t / 400.0 + 1e-9);
    for (std::size_t j = 0; j < rows.size(); ++j) {
        const double t = rows[j][0];
        EXPECT_NEAR(2.0 * s.pi * t, sum[j].args[0], 1e-6 * (1.0 + t)) << "row " << j;
        EXPECT_EQ(static_cast<float>(rows[j][5]), sum[j].args[1]) << "row " << j;
        double terms = 0.0;
        double size = 1.0;
        for (std::size_t k = 0; k < 4; ++k) {
            const double y = rows[j][1 + k];
            EXPECT_EQ(static_cast<float>(y), waves[k][j].args[1]);
            const double a = s.amp[k] / 10.0;
            const double arg = 2.0 * s.pi * static_cast<double>(s.freq[k] / 10.0f) * t;
            EXPECT_NEAR(y, a * (s.is_cos[k] != 0 ? std::cos(arg) : std::sin(arg)),
                        1e-5 * (1.0 + a));
            terms += y;
            size += std::abs(y);
        }
        EXPECT_NEAR(rows[j][5], terms, 1e-6 * size) << "row " << j;
        if (HasFailure()) {
            break;
        }
    }
}

std::string setup_name(const testing::TestParamInfo<const char*>& row) {
    constexpr std::array<const char*, 5> names = {"start", "beats", "square", "highest", "fast"};
    return names.at(row.index);
}

INSTANTIATE_TEST_SUITE_P(Setups, SamplesCsv,
                         testing::Values("", "A=5cos1&B=5cos1.1&t=10",
                                         "A=10sin1&B=3.3sin3&C=2sin5&D=1.4cos7&t=3",
                                         "A=10.9cos0&B=10.9cos0&C=10.9sin2&D=10.9cos0.1&t=2",
                                         "A=7sin123.4&t=25"),
                         setup_name);

TEST(SamplesCsv, FileNameSaysTheSetup) {
    const WaveSettings start = RecordedForm::loaded()->form.settings;
    const std::pair<const char*, const char*> cases[] = {
        {"", "waves_t1.csv"},
        {"A=5cos1&B=5cos1.1&t=10", "waves_A5cos1_B5cos1.1_t10.csv"},
        {"D=0sin0&C=10.9cos123.4&t=3&step_a=0.1", "waves_C10.9cos123.4_D0sin0_t3.csv"},
    };
    for (const auto& [setup, name] : cases) {
        EXPECT_EQ(samples_file_name(read_setup(setup, start)), name) << setup;
    }
}

} // namespace
} // namespace wave
