// SPDX-License-Identifier: MIT
#include "frontend/setup_text.h"
#include "logic/null_controls.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace wave {
namespace {

WaveSettings loaded() {
    static const WaveSettings s = [] {
        NullForm f;
        f.form.Form_Load();
        return f.form.settings;
    }();
    return s;
}

void expect_same(const WaveSettings& got, const WaveSettings& want, const std::string& context) {
    EXPECT_EQ(got.amp, want.amp) << context;
    EXPECT_EQ(got.freq, want.freq) << context;
    EXPECT_EQ(got.is_cos, want.is_cos) << context;
    EXPECT_EQ(got.span_t, want.span_t) << context;
    EXPECT_EQ(got.step_a, want.step_a) << context;
    EXPECT_EQ(got.step_f, want.step_f) << context;
    EXPECT_EQ(got.y_range, want.y_range) << context;
    EXPECT_EQ(got.pi, want.pi) << context;
    EXPECT_EQ(got.last_comp, want.last_comp) << context;
    EXPECT_EQ(got.amp_max, want.amp_max) << context;
}

// What the arrows, switches and options can reach, and nothing else.
void expect_reachable(const WaveSettings& s, const std::string& context) {
    const WaveSettings start = loaded();
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_GE(s.amp[k], 0) << context;
        EXPECT_LE(s.amp[k], 109) << context;
        EXPECT_GE(s.freq[k], 0.0f) << context;
        EXPECT_LE(s.freq[k], static_cast<float>(kWholeFloatLimit)) << context;
        EXPECT_EQ(s.freq[k], std::nearbyint(s.freq[k])) << context;
        EXPECT_TRUE(s.is_cos[k] == VbTrue || s.is_cos[k] == VbFalse) << context;
    }
    EXPECT_EQ(s.amp[4], 0) << context;
    EXPECT_EQ(s.freq[4], 0.0f) << context;
    EXPECT_GE(s.span_t, 1.0f) << context;
    EXPECT_EQ(s.span_t, std::nearbyint(s.span_t)) << context;
    for (std::int16_t step : {s.step_a, s.step_f}) {
        EXPECT_TRUE(step == 10 || step == 5 || step == 2 || step == 1) << context;
    }
    EXPECT_EQ(s.pi, start.pi) << context;
    EXPECT_EQ(s.amp_max, start.amp_max) << context;
}

std::int16_t random_step(std::mt19937_64& rng) {
    constexpr std::int16_t steps[] = {10, 5, 2, 1};
    return steps[rng() % 4];
}

// Small values mostly, as a lesson has them, and now and then the far ends.
std::int64_t spread(std::mt19937_64& rng, std::int64_t small, std::int64_t top) {
    return rng() % 8 == 0 ? static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(top + 1))
                          : static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(small));
}

TEST(SetupText, ARandomSetupComesBackExactly) {
    std::mt19937_64 rng(20);
    const WaveSettings start = loaded();
    for (int n = 0; n < 1000; ++n) {
        WaveSettings s = start;
        for (std::size_t k = 0; k < 4; ++k) {
            s.amp[k] = static_cast<std::int16_t>(rng() % 110);
            s.freq[k] = static_cast<float>(spread(rng, 300, kWholeFloatLimit));
            s.is_cos[k] = rng() % 2 ? VbTrue : VbFalse;
        }
        s.span_t = static_cast<float>(1 + spread(rng, 30, kWholeFloatLimit - 1));
        s.step_a = random_step(rng);
        s.step_f = random_step(rng);

        const std::string text = setup_text(s);
        expect_same(read_setup(text, start), s, text);
        expect_same(read_setup("https://example.org/waves/index.html#" + text, start), s, text);
        if (testing::Test::HasFailure()) {
            break;
        }
    }
}

TEST(SetupText, TheBeatsLessonReadsAsATeacherWritesIt) {
    WaveSettings s = loaded();
    EXPECT_EQ(setup_text(s), "t=1");
    s.amp[0] = 50;
    s.freq[0] = 10.0f;
    s.amp[1] = 50;
    s.freq[1] = 11.0f;
    s.span_t = 10.0f;
    EXPECT_EQ(setup_text(s), "A=5cos1&B=5cos1.1&t=10");
    s.is_cos[3] = VbFalse;
    s.step_a = 5;
    s.step_f = 1;
    EXPECT_EQ(setup_text(s), "A=5cos1&B=5cos1.1&D=0sin0&t=10&step_a=0.5&step_f=0.1");
}

// Reaching a set-up by presses and reading its text give the same record.
TEST(SetupText, ReadingATextEqualsPressingToIt) {
    std::mt19937_64 rng(7);
    const WaveSettings start = loaded();
    for (int n = 0; n < 25; ++n) {
        NullForm f;
        Form1& form = f.form;
        form.Form_Load();
        std::string text;
        for (std::int16_t i = 0; i < 4; ++i) {
            const auto amp = static_cast<int>(rng() % 110);
            const auto freq = static_cast<int>(rng() % 120);
            const bool sine = rng() % 2 == 0;
            form.Option8_Click();
            for (int p = 0; p < (amp > 100 ? amp - 10 : amp); ++p) {
                form.SpinButton3_SpinUp(i);
            }
            if (amp > 100) {
                form.Option5_Click();
                form.SpinButton3_SpinUp(i);
            }
            form.Option1_Click();
            for (int p = 0; p < freq / 10; ++p) {
                form.SpinButton4_SpinUp(i);
            }
            form.Option4_Click();
            for (int p = 0; p < freq % 10; ++p) {
                form.SpinButton4_SpinUp(i);
            }
            if (sine) {
                form.switch_s_Click(i);
            }
            text += std::string(1, static_cast<char>('a' + i)) + '=' + tenths_text(amp) +
                    (sine ? "SIN" : "Cos") + tenths_text(freq) + '&';
        }
        const auto span = static_cast<int>(1 + rng() % 20);
        for (int p = 1; p < span; ++p) {
            form.SpinButton1_SpinUp();
        }
        text += "t=" + std::to_string(span);
        const std::function<void(Form1&)> step_a[] = {&Form1::Option5_Click, &Form1::Option6_Click,
                                                      &Form1::Option7_Click, &Form1::Option8_Click};
        const std::function<void(Form1&)> step_f[] = {&Form1::Option1_Click, &Form1::Option2_Click,
                                                      &Form1::Option3_Click, &Form1::Option4_Click};
        const char* steps[] = {"1", "0.5", "0.2", "0.1"};
        const std::size_t a = rng() % 4;
        const std::size_t fq = rng() % 4;
        step_a[a](form);
        step_f[fq](form);
        text += std::string("&step_f=") + steps[fq] + "&step_a=" + steps[a];

        expect_same(read_setup(text, start), form.settings, text);
    }
}

struct BadCase {
    const char* name;
    std::string text;
    std::function<void(WaveSettings&)> expect; // from the start values
};

std::string repeated(const std::string& piece, std::size_t bytes) {
    std::string out;
    while (out.size() < bytes) {
        out += piece;
    }
    return out;
}

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.name;
}

class SetupTextInput : public testing::TestWithParam<BadCase> {};

TEST_P(SetupTextInput, LeavesAStatePressesCouldReach) {
    const BadCase& c = GetParam();
    const WaveSettings start = loaded();
    WaveSettings want = start;
    c.expect(want);
    const WaveSettings got = read_setup(c.text, start);
    expect_same(got, want, c.name);
    expect_reachable(got, c.name);
}

const auto nothing = [](WaveSettings&) {};
const auto beats = [](WaveSettings& s) {
    s.amp[0] = 50;
    s.freq[0] = 10.0f;
    s.amp[1] = 50;
    s.freq[1] = 11.0f;
    s.span_t = 10.0f;
};
const auto a_is = [](std::int16_t amp, float freq, std::int16_t is_cos = VbTrue) {
    return [=](WaveSettings& s) {
        s.amp[0] = amp;
        s.freq[0] = freq;
        s.is_cos[0] = is_cos;
    };
};
const auto span_is = [](float t) { return [=](WaveSettings& s) { s.span_t = t; }; };
const auto step_a_is = [](std::int16_t v) { return [=](WaveSettings& s) { s.step_a = v; }; };

INSTANTIATE_TEST_SUITE_P(
    Table, SetupTextInput,
    testing::Values(
        BadCase{"empty", "", nothing}, BadCase{"only_hash", "#", nothing},
        BadCase{"fragment", "A=5cos1&B=5cos1.1&t=10", beats},
        BadCase{"with_hash", "#A=5cos1&B=5cos1.1&t=10", beats},
        BadCase{"whole_address", "http://127.0.0.1:8000/index.html?x=1#A=5cos1&B=5cos1.1&t=10",
                beats},
        BadCase{"address_without_hash", "http://127.0.0.1:8000/index.html", nothing},
        BadCase{"blanks_and_escapes", "A%20=%205%20cos%201&B=5+cos1.1&t = 10", beats},
        // An escaped '&' is data, not a separator: its part cannot be read.
        BadCase{"escaped_separators", "A%3D5cos1%26B=5cos1.1&t=10", span_is(10.0f)},
        BadCase{"broken_escape_drops_its_part", "A=5cos1&B=5cos1.1%zz&t=1%2&C=1cos1%",
                a_is(50, 10.0f)},
        BadCase{"escape_cut_short", "A=5cos1&t=%", a_is(50, 10.0f)},
        BadCase{"any_case", "a=5COS1&T=2",
                [](WaveSettings& s) {
                    a_is(50, 10.0f)(s);
                    s.span_t = 2.0f;
                }},
        BadCase{"sine", "A=2.5sin0.3", a_is(25, 3.0f, VbFalse)},
        BadCase{"last_part_wins", "A=1cos1&A=2sin2", a_is(20, 20.0f, VbFalse)},
        BadCase{"amplitude_above_the_arrows", "A=200cos1", a_is(109, 10.0f)},
        BadCase{"amplitude_just_reachable", "A=10.9cos1", a_is(109, 10.0f)},
        BadCase{"amplitude_negative", "A=-3cos1", a_is(0, 10.0f)},
        BadCase{"frequency_negative", "A=5cos-2", a_is(50, 0.0f)},
        BadCase{"frequency_beyond_whole_floats", "A=5cos99999999999999999999",
                a_is(50, static_cast<float>(kWholeFloatLimit))},
        BadCase{"hundredths_rounded", "A=5.55cos0.04", a_is(56, 0.0f)},
        BadCase{"leading_point", "A=.5cos.5", a_is(5, 5.0f)},
        BadCase{"huge_number", "A=" + std::string(100000, '9') + "cos1", a_is(109, 10.0f)},
        BadCase{"exponent", "A=1e400cos1&t=1e400", nothing},
        BadCase{"nan_and_infinity", "A=NaNcos1&B=5cosinf&t=NaN&step_a=inf", nothing},
        BadCase{"no_waveform", "A=5tan1&B=5&C=cos&D=5cos", nothing},
        BadCase{"unknown_names", "E=5cos1&AB=5cos1&x&=5&step=1&&&", nothing},
        BadCase{"span_zero", "t=0", span_is(1.0f)}, BadCase{"span_negative", "t=-5", span_is(1.0f)},
        BadCase{"span_half", "t=2.5", span_is(3.0f)},
        BadCase{"span_beyond_whole_floats", "t=123456789012",
                span_is(static_cast<float>(kWholeFloatLimit))},
        BadCase{"step_between", "step_a=0.3", step_a_is(2)},
        BadCase{"step_too_large", "step_a=7", step_a_is(10)},
        BadCase{"step_zero", "step_a=0", step_a_is(1)},
        BadCase{"step_unreadable", "step_a=half", nothing},
        BadCase{"utf8_and_nul", std::string("A=5cos1") + '\0' + "&B=あ&C=\xff\xfe", nothing},
        BadCase{"100_kb_of_separators", repeated("&", 100 * 1024), nothing},
        BadCase{"100_kb_of_escapes", repeated("%", 100 * 1024), nothing},
        BadCase{"100_kb_of_parts", repeated("A=5cos1&", 100 * 1024), a_is(50, 10.0f)}),
    [](const testing::TestParamInfo<BadCase>& row) { return std::string(row.param.name); });

// Whatever the bytes, the record stays one presses could reach.
TEST(SetupText, RandomBytesLeaveAReachableState) {
    std::mt19937_64 rng(99);
    const std::string alphabet = "ABCDabcdt=&%#.-+0123456789cosinCOSINstep_af eE\x80\xff";
    const WaveSettings start = loaded();
    for (int n = 0; n < 2000; ++n) {
        std::string text(rng() % 64, ' ');
        for (char& ch : text) {
            ch = alphabet[rng() % alphabet.size()];
        }
        expect_reachable(read_setup(text, start), text);
        if (testing::Test::HasFailure()) {
            break;
        }
    }
}

} // namespace
} // namespace wave
