// SPDX-License-Identifier: MIT
#include "frontend/spoken_names.h"

#include <array>
#include <string_view>

namespace wave {

namespace {

struct Entry {
    std::string_view name;
    // For array members, '#' stands for the wave's letter.
    std::string_view english;
    std::string_view japanese;
};

// The numbered default names say nothing to a listener; these say what each
// control is for, as a physics teacher would name it. Array members are named
// per wave.
constexpr std::array<Entry, 10> kArrays{{
    {"Grph", "Wave #", "波#"},
    {"Frame10", "Waveform of wave #", "波#の波形"},
    {"switch_c", "Wave #: cosine", "波#：コサイン"},
    {"switch_s", "Wave #: sine", "波#：サイン"},
    {"Label7", "Amplitude of wave #, caption", "波#の振幅、見出し"},
    {"Labela", "Amplitude of wave #", "波#の振幅"},
    {"SpinButton3", "Amplitude of wave #, up/down", "波#の振幅、増減"},
    {"Label8", "Frequency of wave #, caption", "波#の周波数、見出し"},
    {"Labelb", "Frequency of wave #", "波#の周波数"},
    {"SpinButton4", "Frequency of wave #, up/down", "波#の周波数、増減"},
}};

constexpr std::array<Entry, 32> kSingles{{
    {"Frame5", "Band A", "A段"},
    {"Frame6", "Band B", "B段"},
    {"Frame7", "Band C", "C段"},
    {"Frame8", "Band D", "D段"},
    {"Frame9", "Band E", "E段"},
    {"Label2", "Letter of wave A", "波Aの記号"},
    {"Label3", "Letter of wave B", "波Bの記号"},
    {"Label4", "Letter of wave C", "波Cの記号"},
    {"Label5", "Letter of wave D", "波Dの記号"},
    {"Label6", "Letter of synthesized wave E", "合成波Eの記号"},
    {"Frame_a", "Panel of wave A", "波Aの枠"},
    {"Form1", "Panel of wave B", "波Bの枠"},
    {"Frame2", "Panel of wave C", "波Cの枠"},
    {"Frame3", "Panel of wave D", "波Dの枠"},
    {"Gr", "Synthesized wave E", "合成波E"},
    {"value_t", "Time span shown, seconds", "表示している時間幅、秒"},
    {"Label9", "Unit of the time span shown", "表示している時間幅の単位"},
    {"Frame4", "Panel of time span", "時間幅の枠"},
    {"Label1", "Time span, caption", "時間幅、見出し"},
    {"labelt", "Time span", "時間幅"},
    {"SpinButton1", "Time span, up/down", "時間幅、増減"},
    {"Command1", "Reset time span", "RESET：時間幅を1秒に戻す"},
    {"Frame11", "Step of amplitude", "振幅の刻み"},
    {"Option5", "Step of amplitude 1", "振幅の刻み 1"},
    {"Option6", "Step of amplitude 0.5", "振幅の刻み 0.5"},
    {"Option7", "Step of amplitude 0.2", "振幅の刻み 0.2"},
    {"Option8", "Step of amplitude 0.1", "振幅の刻み 0.1"},
    {"Frame12", "Step of frequency", "周波数の刻み"},
    {"Option1", "Step of frequency 1", "周波数の刻み 1"},
    {"Option2", "Step of frequency 0.5", "周波数の刻み 0.5"},
    {"Option3", "Step of frequency 0.2", "周波数の刻み 0.2"},
    {"Option4", "Step of frequency 0.1", "周波数の刻み 0.1"},
}};

// A spinner's arrows say which way they move its value.
struct Arrows {
    std::string_view name;
    Entry up;
    Entry down;
};

constexpr std::array<Arrows, 3> kArrows{{
    {"SpinButton3",
     {"", "Amplitude of wave #, up", "波#の振幅を上げる"},
     {"", "Amplitude of wave #, down", "波#の振幅を下げる"}},
    {"SpinButton4",
     {"", "Frequency of wave #, up", "波#の周波数を上げる"},
     {"", "Frequency of wave #, down", "波#の周波数を下げる"}},
    {"SpinButton1",
     {"", "Time span, up", "時間幅を増やす"},
     {"", "Time span, down", "時間幅を減らす"}},
}};

constexpr int kWaves = 4;

std::string_view in(const Entry& e, Language language) {
    return language == Language::English ? e.english : e.japanese;
}

// An array member's name with its wave's letter; empty for an index the
// window does not have, or for an array without one.
std::string for_member(const Entry& e, const ControlRef& ref, Language language) {
    std::string spoken(in(e, language));
    const std::size_t letter = spoken.find('#');
    if ((letter == std::string::npos) != (ref.index < 0) || ref.index >= kWaves) {
        return {};
    }
    if (letter != std::string::npos) {
        spoken[letter] = static_cast<char>('A' + ref.index);
    }
    return spoken;
}

} // namespace

std::string spoken_name(const ControlRef& ref, Language language) {
    if (ref.index < 0) {
        for (const Entry& e : kSingles) {
            if (e.name == ref.name) {
                return std::string(in(e, language));
            }
        }
        return {};
    }
    for (const Entry& e : kArrays) {
        if (e.name == ref.name) {
            return for_member(e, ref, language);
        }
    }
    return {};
}

std::string spoken_arrow(const ControlRef& spinner, SpinArrow arrow, Language language) {
    for (const Arrows& a : kArrows) {
        if (a.name == spinner.name) {
            return for_member(arrow == SpinArrow::Up ? a.up : a.down, spinner, language);
        }
    }
    return {};
}

std::optional<SpinnerValue> spinner_value(const ControlRef& spinner) {
    // The handlers refuse a press down that would take an amplitude or a
    // frequency below 0, or the time span below 1 s.
    const bool member = spinner.index >= 0 && spinner.index < kWaves;
    if (spinner.name == "SpinButton3" && member) {
        return SpinnerValue{{"Labela", spinner.index}, 0};
    }
    if (spinner.name == "SpinButton4" && member) {
        return SpinnerValue{{"Labelb", spinner.index}, 0};
    }
    if (spinner == ControlRef{"SpinButton1"}) {
        return SpinnerValue{{"labelt"}, 1};
    }
    return std::nullopt;
}

} // namespace wave
