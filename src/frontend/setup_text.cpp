// SPDX-License-Identifier: MIT
#include "frontend/setup_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace wave {

namespace {

constexpr std::array<char, 4> kLetters{'A', 'B', 'C', 'D'};
constexpr std::int16_t kStartStep = 10;
// The largest step minus one: an up press below the limit always takes its step.
constexpr std::int16_t kOvershoot = 9;
// Past this a number means nothing here; holding it keeps the arithmetic safe.
constexpr std::int64_t kSaturated = std::int64_t{1} << 40;

std::int64_t whole(float value) {
    return std::isfinite(value) ? std::llround(value) : 0;
}

int hex_digit(char ch) {
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    return -1;
}

// %XX decoded; a broken escape stays as it is (and so makes its part
// unreadable). Blanks go, '+' among them as forms write one: a teacher may
// type "A = 5 cos 1".
std::string plain(std::string_view part) {
    std::string out;
    for (std::size_t i = 0; i < part.size(); ++i) {
        char ch = part[i];
        if (ch == '%' && i + 2 < part.size()) {
            const int hi = hex_digit(part[i + 1]);
            const int lo = hex_digit(part[i + 2]);
            if (hi >= 0 && lo >= 0) {
                ch = static_cast<char>(hi * 16 + lo);
                i += 2;
            }
        }
        if (ch != ' ' && ch != '\t' && ch != '+') {
            out += ch;
        }
    }
    return out;
}

char upper(char ch) {
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

bool same_letters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return upper(x) == upper(y); });
}

// A plain decimal ("12", "0.5", ".5", "-3") as whole tenths, rounded half
// away from zero; nothing for anything else (exponents, "NaN", "inf", "").
std::optional<std::int64_t> tenths(std::string_view text) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    std::int64_t units = 0;
    int tenth = 0;
    bool round_up = false;
    bool digits = false;
    std::size_t i = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        units = std::min(units * 10 + (text[i] - '0'), kSaturated);
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (std::size_t n = 0; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++n) {
            if (n == 0) {
                tenth = text[i] - '0';
            } else if (n == 1) {
                round_up = text[i] >= '5';
            }
            digits = true;
        }
    }
    if (!digits || i != text.size()) {
        return std::nullopt;
    }
    const std::int64_t magnitude = units * 10 + tenth + (round_up ? 1 : 0);
    return negative ? -magnitude : magnitude;
}

struct Wave {
    std::int64_t amp;
    bool cosine;
    std::int64_t freq;
};

// "5cos1.1", the waveform's name in either case.
std::optional<Wave> wave(std::string_view text) {
    for (std::string_view name : {std::string_view("cos"), std::string_view("sin")}) {
        for (std::size_t at = 0; at + name.size() <= text.size(); ++at) {
            if (!same_letters(text.substr(at, name.size()), name)) {
                continue;
            }
            const auto amp = tenths(text.substr(0, at));
            const auto freq = tenths(text.substr(at + name.size()));
            if (!amp || !freq) {
                return std::nullopt;
            }
            return Wave{*amp, name == "cos", *freq};
        }
    }
    return std::nullopt;
}

std::int16_t nearest_step(std::int64_t t) {
    std::int16_t best = kSteps.front();
    for (std::int16_t step : kSteps) {
        if (std::abs(t - step) < std::abs(t - best)) {
            best = step;
        }
    }
    return best;
}

void read_part(std::string_view part, WaveSettings& s) {
    const std::size_t eq = part.find('=');
    if (eq == std::string_view::npos) {
        return;
    }
    const std::string_view key = part.substr(0, eq);
    const std::string_view value = part.substr(eq + 1);

    if (key.size() == 1) {
        const char letter = upper(key.front());
        const auto found = std::find(kLetters.begin(), kLetters.end(), letter);
        if (found != kLetters.end()) {
            if (const auto w = wave(value)) {
                const auto k = static_cast<std::size_t>(found - kLetters.begin());
                const std::int64_t amp_limit = s.amp_max + kOvershoot;
                s.amp.at(k) =
                    static_cast<std::int16_t>(std::clamp<std::int64_t>(w->amp, 0, amp_limit));
                s.freq.at(k) =
                    static_cast<float>(std::clamp<std::int64_t>(w->freq, 0, kWholeFloatLimit));
                s.is_cos.at(k) = w->cosine ? VbTrue : VbFalse;
            }
            return;
        }
    }
    const auto t = tenths(value);
    if (!t) {
        return;
    }
    if (same_letters(key, "t")) {
        const std::int64_t seconds = (std::clamp<std::int64_t>(*t, 0, kSaturated) + 5) / 10;
        s.span_t = static_cast<float>(std::clamp<std::int64_t>(seconds, 1, kWholeFloatLimit));
    } else if (same_letters(key, "step_a")) {
        s.step_a = nearest_step(*t);
    } else if (same_letters(key, "step_f")) {
        s.step_f = nearest_step(*t);
    }
}

} // namespace

std::string tenths_text(std::int64_t tenths) {
    if (tenths < 0) {
        return '-' + tenths_text(-tenths);
    }
    std::string out = std::to_string(tenths / 10);
    if (tenths % 10 != 0) {
        out += '.';
        out += static_cast<char>('0' + tenths % 10);
    }
    return out;
}

bool wave_at_start(const WaveSettings& s, std::size_t k) {
    return s.amp.at(k) == 0 && whole(s.freq.at(k)) == 0 && s.is_cos.at(k) != 0;
}

std::string wave_text(const WaveSettings& s, std::size_t k) {
    return tenths_text(s.amp.at(k)) + (s.is_cos.at(k) != 0 ? "cos" : "sin") +
           tenths_text(whole(s.freq.at(k)));
}

std::string setup_text(const WaveSettings& s) {
    std::string out;
    for (std::size_t k = 0; k < kLetters.size(); ++k) {
        if (!wave_at_start(s, k)) {
            out += kLetters.at(k);
            out += '=';
            out += wave_text(s, k);
            out += '&';
        }
    }
    out += "t=" + std::to_string(whole(s.span_t));
    if (s.step_a != kStartStep) {
        out += "&step_a=" + tenths_text(s.step_a);
    }
    if (s.step_f != kStartStep) {
        out += "&step_f=" + tenths_text(s.step_f);
    }
    return out;
}

WaveSettings read_setup(std::string_view text, const WaveSettings& loaded) {
    WaveSettings s = loaded;
    for (std::size_t k = 0; k < kLetters.size(); ++k) {
        s.amp.at(k) = 0;
        s.freq.at(k) = 0.0f;
        s.is_cos.at(k) = VbTrue;
    }
    s.span_t = 1.0f;
    s.step_a = kStartStep;
    s.step_f = kStartStep;

    if (const std::size_t hash = text.find('#'); hash != std::string_view::npos) {
        text.remove_prefix(hash + 1);
    }
    while (!text.empty()) {
        const std::size_t amp = text.find('&');
        read_part(plain(text.substr(0, amp)), s);
        text.remove_prefix(amp == std::string_view::npos ? text.size() : amp + 1);
    }
    return s;
}

} // namespace wave
