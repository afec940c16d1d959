// SPDX-License-Identifier: MIT
#include "frontend/samples_csv.h"
#include "frontend/setup_text.h"
#include "logic/recording_controls.h"

#include <gtest/gtest.h>

#include <ostream>

#include <array>
#include <charconv>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace wave {
namespace {

using Row = std::array<double, 6>;

// Every field must be a whole plain number: a ',' decimal or a stray
// character would split or spoil it.
std::vector<Row> rows_of(const std::string& csv, std::string& header) {
    std::vector<Row> rows;
    std::size_t at = 0;
    bool first = true;
    while (at < csv.size()) {
        const std::size_t end = csv.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "every line ends in CRLF";
        if (end == std::string::npos) {
            break;
        }
        const std::string line = csv.substr(at, end - at);
        at = end + 2;
        if (first) {
            header = line;
            first = false;
            continue;
        }
        EXPECT_EQ(line.find_first_not_of("0123456789.-,"), std::string::npos)
            << "plain decimals only: " << line;
        Row row{};
        std::size_t field = 0;
        std::size_t from = 0;
        for (; field < row.size(); ++field) {
            const std::size_t comma = std::min(line.find(',', from), line.size());
            const auto [ptr, ec] =
                std::from_chars(line.data() + from, line.data() + comma, row[field]);
            EXPECT_TRUE(ec == std::errc{} && ptr == line.data() + comma) << line;
            from = comma + 1;
        }
        EXPECT_EQ(from, line.size() + 1) << "six fields: " << line;
        rows.push_back(row);
    }
    return rows;
}

struct Case {
    const char* name;
    const char* setup;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class SamplesCsv : public testing::TestWithParam<Case> {};

// The rows are the large plot's samples: same count, same x, same E; and
// each column the component plot's own values.
TEST_P(SamplesCsv, RowsAreThePlottedSamples) {
    auto f = RecordedForm::loaded();
    f->form.settings = read_setup(GetParam().setup, f->form.settings);
    for (std::int16_t i = 0; i < 4; ++i) {
        f->form.get_curve(i);
    }
    f->form.get_curve2();

    std::string header;
    const std::vector<Row> rows = rows_of(samples_csv(f->form.settings), header);
    EXPECT_EQ(header, "t,A,B,C,D,E");

    auto drawn = [&](const std::string& control) {
        std::vector<Op> points;
        for (const Op& op : f->ops_on(control)) {
            if (op.name == "PSet" || op.name == "LineTo") {
                points.push_back(op);
            }
        }
        return points;
    };
    const std::vector<Op> sum = drawn("Gr");
    ASSERT_EQ(rows.size(), sum.size());
    for (std::size_t j = 0; j < rows.size(); ++j) {
        const double x = 2.0 * f->form.settings.pi * rows[j][0];
        EXPECT_NEAR(x, sum[j].args[0], 1e-6 * (1.0 + x)) << "row " << j;
        EXPECT_EQ(static_cast<float>(rows[j][5]), sum[j].args[1]) << "row " << j;
    }
    for (std::size_t k = 0; k < 4; ++k) {
        const std::vector<Op> wave = drawn("Grph(" + std::to_string(k) + ")");
        ASSERT_EQ(wave.size(), rows.size());
        for (std::size_t j = 0; j < rows.size(); ++j) {
            EXPECT_EQ(static_cast<float>(rows[j][1 + k]), wave[j].args[1]) << "row " << j;
        }
    }
}

TEST_P(SamplesCsv, ColumnsFollowTheirWaves) {
    const WaveSettings s = read_setup(GetParam().setup, RecordedForm::loaded()->form.settings);
    std::string header;
    const std::vector<Row> rows = rows_of(samples_csv(s), header);
    ASSERT_GE(rows.size(), 400u);
    EXPECT_EQ(rows.front()[0], 0.0);
    EXPECT_NEAR(rows.back()[0], s.span_t, s.span_t / 400.0 + 1e-6);
    for (const Row& row : rows) {
        double terms = 0.0;
        double size = 1.0;
        for (std::size_t k = 0; k < 4; ++k) {
            const double a = s.amp[k] / 10.0;
            const double arg = 2.0 * s.pi * static_cast<double>(s.freq[k] / 10.0f) * row[0];
            const double want = a * (s.is_cos[k] != 0 ? std::cos(arg) : std::sin(arg));
            EXPECT_NEAR(row[1 + k], want, 1e-5 * (1.0 + a)) << "t = " << row[0];
            terms += row[1 + k];
            size += std::abs(row[1 + k]);
        }
        EXPECT_NEAR(row[5], terms, 1e-6 * size) << "t = " << row[0];
    }
}

INSTANTIATE_TEST_SUITE_P(Setups, SamplesCsv,
                         testing::Values(Case{"start", ""}, Case{"beats", "A=5cos1&B=5cos1.1&t=10"},
                                         Case{"square", "A=10cos1&B=3.3cos3&C=2sin5&D=1.4cos7&t=3"},
                                         Case{"highest",
                                              "A=10.9cos0&B=10.9cos0&C=10.9sin2&D=10.9cos0.1&t=2"},
                                         Case{"fast", "A=7sin123.4&t=25"}),
                         [](const testing::TestParamInfo<Case>& row) { return row.param.name; });

TEST(SamplesCsv, FileNameSaysTheSetup) {
    const WaveSettings start = RecordedForm::loaded()->form.settings;
    const struct {
        const char* setup;
        const char* name;
    } cases[] = {
        {"", "waves_t1.csv"},
        {"A=5cos1&B=5cos1.1&t=10", "waves_A5cos1_B5cos1.1_t10.csv"},
        {"D=0sin0&C=10.9cos123.4&t=3&step_a=0.1", "waves_C10.9cos123.4_D0sin0_t3.csv"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(samples_file_name(read_setup(c.setup, start)), c.name) << c.setup;
    }
}

} // namespace
} // namespace wave
