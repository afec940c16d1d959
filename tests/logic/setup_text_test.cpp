// SPDX-License-Identifier: MIT
#include "frontend/setup_text.h"
#include "logic/null_controls.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <tuple>

namespace wave {
namespace {

const WaveSettings& loaded() {
    static const WaveSettings s = [] {
        NullForm f;
        f.form.Form_Load();
        return f.form.settings;
    }();
    return s;
}

auto fields(const WaveSettings& s) {
    return std::tuple(s.amp, s.freq, s.is_cos, s.span_t, s.step_a, s.step_f, s.y_range, s.pi,
                      s.last_comp, s.amp_max);
}

// What the arrows, switches and options can reach, and nothing else.
bool reachable(const WaveSettings& s) {
    bool ok = s.amp[4] == 0 && s.freq[4] == 0.0f && s.span_t >= 1.0f &&
              s.span_t == std::nearbyint(s.span_t) && s.pi == loaded().pi;
    for (std::size_t k = 0; k < 4; ++k) {
        ok = ok && s.amp[k] >= 0 && s.amp[k] <= 109 && s.freq[k] >= 0.0f &&
             s.freq[k] <= static_cast<float>(kWholeFloatLimit) &&
             s.freq[k] == std::nearbyint(s.freq[k]) && (s.is_cos[k] == VbTrue || s.is_cos[k] == 0);
    }
    for (int step : {s.step_a, s.step_f}) {
        ok = ok && (step == 10 || step == 5 || step == 2 || step == 1);
    }
    return ok;
}

// Mostly small values, as a lesson has them, and now and then the far ends.
float spread(std::mt19937_64& rng, std::uint64_t small) {
    return static_cast<float>(rng() % 8 == 0 ? rng() % (kWholeFloatLimit + 1) : rng() % small);
}

TEST(SetupText, ARandomSetupComesBackExactly) {
    std::mt19937_64 rng(20);
    constexpr std::int16_t steps[] = {10, 5, 2, 1};
    for (int n = 0; n < 1000 && !HasFailure(); ++n) {
        WaveSettings s = loaded();
        for (std::size_t k = 0; k < 4; ++k) {
            s.amp[k] = static_cast<std::int16_t>(rng() % 110);
            s.freq[k] = spread(rng, 300);
            s.is_cos[k] = rng() % 2 ? VbTrue : VbFalse;
        }
        s.span_t = std::max(1.0f, spread(rng, 30));
        s.step_a = steps[rng() % 4];
        s.step_f = steps[rng() % 4];
        const std::string text = setup_text(s);
        EXPECT_EQ(fields(read_setup(text, loaded())), fields(s)) << text;
        EXPECT_EQ(fields(read_setup("http://127.0.0.1:8000/#" + text, loaded())), fields(s));
    }
}

TEST(SetupText, WritesOnlyWhatDiffersFromTheStart) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "t=1"},
        {"A=5cos1&B=5cos1.1&t=10", "A=5cos1&B=5cos1.1&t=10"},
        {"step_f=.1&t=10&d=0SIN0&b=0cos0&step_a=0.50", "D=0sin0&t=10&step_a=0.5&step_f=0.1"},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(setup_text(read_setup(in, loaded())), out) << in;
    }
}

struct BadCase {
    const char* name;
    std::string text;
    const char* means; // the same set-up, written plainly
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.name;
}

class SetupTextInput : public testing::TestWithParam<BadCase> {};

TEST_P(SetupTextInput, LeavesAStatePressesCouldReach) {
    const WaveSettings got = read_setup(GetParam().text, loaded());
    EXPECT_EQ(fields(got), fields(read_setup(GetParam().means, loaded())));
    EXPECT_TRUE(reachable(got));
}

std::string repeated(const std::string& piece, std::size_t bytes) {
    std::string out;
    while (out.size() < bytes) {
        out += piece;
    }
    return out;
}

const std::string beats = "A=5cos1&B=5cos1.1&t=10";

INSTANTIATE_TEST_SUITE_P(
    Table, SetupTextInput,
    testing::Values(
        BadCase{"empty", "", ""}, BadCase{"only_hash", "#", ""},
        BadCase{"whole_address", "http://127.0.0.1:8000/index.html?x=1#" + beats, beats.c_str()},
        BadCase{"address_without_hash", "http://127.0.0.1:8000/index.html", ""},
        BadCase{"blanks_and_escapes", "A%20=%205%20cos%201&B=5+cos1.1&t = 10", beats.c_str()},
        // An escaped '&' is data, not a separator: its part cannot be read.
        BadCase{"escaped_separator", "A%3D5cos1%26B=5cos1.1&t=10", "t=10"},
        BadCase{"broken_escapes", "A=5cos1&B=5cos1.1%zz&t=1%2&C=1cos1%&D=%", "A=5cos1"},
        BadCase{"last_part_wins", "A=1cos1&A=2sin2", "A=2sin2"},
        BadCase{"amplitude_above_the_arrows", "A=200cos1", "A=10.9cos1"},
        BadCase{"negatives", "A=-3cos1&B=5cos-2&t=-5", "A=0cos1&B=5cos0"},
        BadCase{"frequency_beyond_whole_floats", "A=5cos99999999999999999999", "A=5cos1677721.6"},
        BadCase{"hundredths_rounded", "A=5.55cos0.04&B=.5cos.5&t=2.5", "A=5.6cos0&B=0.5cos0.5&t=3"},
        BadCase{"huge_number", "A=" + std::string(100000, '9') + "cos1", "A=10.9cos1"},
        BadCase{"exponent", "A=1e400cos1&t=1e400", ""},
        BadCase{"nan_and_infinity", "A=NaNcos1&B=5cosinf&t=NaN&step_a=inf", ""},
        BadCase{"no_waveform", "A=5tan1&B=5&C=cos&D=5cos", ""},
        BadCase{"unknown_names", "E=5cos1&AB=5cos1&x&=5&step=1&&&", ""},
        BadCase{"span_zero", "t=0", "t=1"},
        BadCase{"span_beyond_whole_floats", "t=123456789012", "t=16777216"},
        BadCase{"steps_to_the_nearest", "step_a=0.3&step_f=7", "step_a=0.2&step_f=1"},
        BadCase{"step_zero_or_unreadable", "step_a=0&step_f=half", "step_a=0.1"},
        BadCase{"utf8_and_nul", std::string("A=5cos1") + '\0' + "&B=あ&C=\xff\xfe", ""},
        BadCase{"100_kb_of_separators", repeated("&", 100 * 1024), ""},
        BadCase{"100_kb_of_escapes", repeated("%", 100 * 1024), ""},
        BadCase{"100_kb_of_parts", repeated("A=5cos1&", 100 * 1024), "A=5cos1"}),
    [](const testing::TestParamInfo<BadCase>& row) { return std::string(row.param.name); });

TEST(SetupText, RandomBytesLeaveAReachableState) {
    std::mt19937_64 rng(99);
    const std::string alphabet = "ABCDabcdt=&%#.-+0123456789cosinCOSINstep_af eE\x80\xff";
    for (int n = 0; n < 2000 && !HasFailure(); ++n) {
        std::string text(rng() % 64, ' ');
        for (char& ch : text) {
            ch = alphabet[rng() % alphabet.size()];
        }
        EXPECT_TRUE(reachable(read_setup(text, loaded()))) << text;
    }
}

} // namespace
} // namespace wave
