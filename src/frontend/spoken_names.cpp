// SPDX-License-Identifier: MIT
#include "frontend/spoken_names.h"
#include "ui/accessible_names.h"

#include <array>
#include <string_view>

namespace wave {

namespace {

struct Entry {
    std::string_view name;
    std::string_view spoken; // for array members, '#' stands for the wave's letter
};

constexpr std::array<Entry, 10> kArrays{{
    {"Grph", "波#"},
    {"Frame10", "波#の波形"},
    {"switch_c", "波#：コサイン"},
    {"switch_s", "波#：サイン"},
    {"Label7", "波#の振幅、見出し"},
    {"Labela", "波#の振幅"},
    {"SpinButton3", "波#の振幅、増減"},
    {"Label8", "波#の周波数、見出し"},
    {"Labelb", "波#の周波数"},
    {"SpinButton4", "波#の周波数、増減"},
}};

constexpr std::array<Entry, 32> kSingles{{
    {"Frame5", "A段"},
    {"Frame6", "B段"},
    {"Frame7", "C段"},
    {"Frame8", "D段"},
    {"Frame9", "E段"},
    {"Label2", "波Aの記号"},
    {"Label3", "波Bの記号"},
    {"Label4", "波Cの記号"},
    {"Label5", "波Dの記号"},
    {"Label6", "合成波Eの記号"},
    {"Frame_a", "波Aの枠"},
    {"Form1", "波Bの枠"},
    {"Frame2", "波Cの枠"},
    {"Frame3", "波Dの枠"},
    {"Gr", "合成波E"},
    {"value_t", "表示している時間幅、秒"},
    {"Label9", "表示している時間幅の単位"},
    {"Frame4", "時間幅の枠"},
    {"Label1", "時間幅、見出し"},
    {"labelt", "時間幅"},
    {"SpinButton1", "時間幅、増減"},
    {"Command1", "時間幅をリセット"},
    {"Frame11", "振幅の刻み"},
    {"Option5", "振幅の刻み 1"},
    {"Option6", "振幅の刻み 0.5"},
    {"Option7", "振幅の刻み 0.2"},
    {"Option8", "振幅の刻み 0.1"},
    {"Frame12", "周波数の刻み"},
    {"Option1", "周波数の刻み 1"},
    {"Option2", "周波数の刻み 0.5"},
    {"Option3", "周波数の刻み 0.2"},
    {"Option4", "周波数の刻み 0.1"},
}};

constexpr int kWaves = 4;

std::string japanese(const ControlRef& ref) {
    if (ref.index < 0) {
        for (const Entry& e : kSingles) {
            if (e.name == ref.name) {
                return std::string(e.spoken);
            }
        }
        return {};
    }
    if (ref.index >= kWaves) {
        return {};
    }
    for (const Entry& e : kArrays) {
        if (e.name == ref.name) {
            std::string spoken(e.spoken);
            spoken[spoken.find('#')] = static_cast<char>('A' + ref.index);
            return spoken;
        }
    }
    return {};
}

} // namespace

std::string spoken_name(const ControlRef& ref, Language language) {
    return language == Language::English ? accessible_name(ref) : japanese(ref);
}

} // namespace wave
