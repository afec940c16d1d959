// SPDX-License-Identifier: MIT
#include "ui/layout.h"

#include <array>
#include <cmath>

namespace wave {

namespace {

using K = ControlKind;
using A = TextAlign;
using F = FontId;

constexpr std::optional<Colour> kDefault = std::nullopt;
constexpr bool kOpaque = false;
constexpr bool kTransparent = true;

constexpr Colour kSilver = 0xC0C0C0;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kLightYellow = 0xC0FFFF;
constexpr Colour kLightCyan = 0xFFFFC0;
constexpr Colour kLightMagenta = 0xFFC0FF;
constexpr Colour kLightGreen = 0xC0FFC0;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;

constexpr ControlRef kWindow{};

// Creation order: containers first; within band E, Frame4 before the two step
// frames so that they stack above it. The other overlaps are 15-twip strips.
// clang-format off
constexpr std::array<ControlRow, 72> kLayout{{
    // ref                  kind               container          caption   left  top   width height back           transparent   fore      font           align     sel    tab
    {{"Frame5"},            K::Frame,          kWindow,           "",       0,    0,    6855, 1215,  kSilver,       kOpaque,      kDefault, F::NoFont,       A::Left,  false, 0},
    {{"Label2"},            K::Label,          {"Frame5"},        "A",      0,    480,  255,  255,   kDefault,      kTransparent, kRed,     F::GothicBold, A::Centre, false, 48},
    {{"Grph", 0},           K::PictureBox,     {"Frame5"},        "",       240,  120,  4575, 1095,  kWhite,        kOpaque,      kDefault, F::NoFont,       A::Left,  false, 9},
    {{"Frame_a"},           K::Frame,          {"Frame5"},        "",       4800, 0,    2055, 1215,  kLightCyan,    kOpaque,      kDefault, F::NoFont,       A::Left,  false, 10},
    {{"Frame10", 0},        K::Frame,          {"Frame_a"},       "",       1080, 120,  855,  975,   kLightYellow,  kOpaque,      kDefault, F::NoFont,       A::Left,  false, 25},
    {{"switch_c", 0},       K::OptionButton,   {"Frame10", 0},    "cos",    120,  240,  615,  195,   kLightYellow,  kOpaque,      kDefault, F::GothicP,    A::Left,  false, 26},
    {{"switch_s", 0},       K::OptionButton,   {"Frame10", 0},    "sin",    120,  600,  612,  195,   kLightYellow,  kOpaque,      kDefault, F::GothicP,    A::Left,  false, 27},
    {{"Label7", 0},         K::Label,          {"Frame_a"},       "a=",     120,  360,  255,  255,   kDefault,      kTransparent, kDefault, F::TimesItalic, A::Left, false, 53},
    {{"Labela", 0},         K::Label,          {"Frame_a"},       "",       360,  360,  255,  255,   kDefault,      kTransparent, kRed,     F::Times,      A::Right, false, 12},
    {{"SpinButton3", 0},    K::SpinButton,     {"Frame_a"},       "",       720,  240,  255,  375,   kDefault,      kOpaque,      kDefault, F::NoFont,       A::Left,  false, 63},
    {{"Label8", 0},         K::Label,          {"Frame_a"},       "f=",     120,  720,  255,  255,   kDefault,      kTransparent, kDefault, F::TimesItalic, A::Left, false, 54},
    {{"Labelb", 0},         K::Label,          {"Frame_a"},       "",       360,  720,  255,  255,   kDefault,      kTransparent, kRed,     F::Times,      A::Right, false, 11},
    {{"SpinButton4", 0},    K::SpinButton,     {"Frame_a"},       "",       720,  720,  255,  375,   kDefault,      kOpaque,      kDefault, F::NoFont,       A::Left,  false, 67},

    {{"Frame6"},            K::Frame,          kWindow,           "",       0,    1200, 6855, 1215,  kDefault,      kOpaque,      kDefault, F::NoFont,       A::Left,  false, 1},
    {{"Label3"},            K::Label,          {"Frame6"},        "B",      0,    480,  255,  255,   kDefault,      kTransparent, kRed,     F::GothicBold, A::Centre, false, 49},
    {{"Grph", 1},           K::PictureBox,     {"Frame6"},        "",       240,  120,  4575, 1095,  kWhite,        kOpaque,      kDefault, F::NoFont,       A::Left,  false, 8},
    {{"Form1"},             K::Frame,          {"Frame6"},        "",       4800, 0,    2055, 1215,  kLightCyan,    kOpaque,      kDefault, F::NoFont,       A::Left,  false, 13},
    {{"Frame10", 1},        K::Frame,          {"Form1"},         "",       1080, 120,  855,  975,   kLightYellow,  kOpaque,      kDefault, F::NoFont,       A::Left,  false, 28},
    {{"switch_c", 1},       K::OptionButton,   {"Frame10", 1},    "cos",    120,  240,  615,  195,   kLightYellow,  kOpaque,      kDefault, F::GothicP,    A::Left,  false, 30},
    {{"switch_s", 1},       K::OptionButton,   {"Frame10", 1},    "sin",    120,  600,  615,  195,   kLightYellow,  kOpaque,      kDefault, F::GothicP,    A::Left,  false, 29},
    {{"Label7", 1},         K::Label,          {"Form1"},         "a=",     120,  360,  255,  255,   kDefault,      kTransparent, kDefault, F::TimesItalic, A::Left, false, 55},
    {{"Labela", 1},         K::Label,          {"Form1"},         "",       360,  360,  255,  255,   kDefault,      kTransparent, kRed,     F::Times,      A::Right, false, 15},
    {{"SpinButton3", 1},    K::SpinButton,     {"Form1"},         "",       720,  240,  255,  375,   kDefault,      kOpaque,      kDefault, F::NoFont,       A::Left,  false, 64},
    {{"Label8", 1},         K::Label,          {"Form1"},         "f=",     120,  720,  255,  255,   kDefault,      kTransparent, kDefault, F::TimesItalic, A::Left, false, 58},
    {{"Labelb", 1},         K::Label,          {"Form1"},         "",       360,  720,  255,  255,   kDefault,      kTransparent, kRed,     F::Times,      A::Right, false, 14},
    {{"SpinButton4", 1},    K::SpinButton,     {"Form1"},         "",       720,  720,  255,  375,   kDefault,      kOpaque,      kDefault, F::NoFont,       A::Left,  false, 68},

    {{"Frame7"},            K::Frame,          kWindow,           "",       0,    2400, 6855, 1215,  kDefault,      kOpaque,      kDefault, F::NoFont,       A::Left,  false, 2},
    {{"Label4"},            K::Label,          {"Frame7"},        "C",      0,    480,  255,  255,   kDefault,      kTransparent, kRed,     F::GothicBold, A::Centre, false, 50},
    {{"Grph", 2},           K::PictureBox,     {"Frame7"},        "",       240,  120,  4575, 1095,  kWhite,        kOpaque,      kDefault, F::NoFont,       A::Left,  false, 7},
    {{"Frame2"},            K::Frame,          {"Frame7"},        "",       4800, 0,    2055, 1215,  kLightCyan,    kOpaque,      kDefault, F::NoFont,       A::Left,  false, 16},
    {{"Frame10", 2},        K::Frame,          {"Frame2"},        "",       1080, 120,  855,  975,   kLightYellow,  kOpaque,      kDefault, F::NoFont,       A::Left,  false, 31},
    {{"switch_c", 2},       K::OptionButton,   {"Frame10", 2},    "cos",    120,  240,  612,  195,   kLightYellow,  kOpaque,      kDefault, F::GothicP,    A::Left,  false, 33},
    {{"switch_s", 2},       K::OptionButton,   {"Frame10", 2},    "sin",    120,  600,  612,  252,   kLightYellow,  kOpaque,      kDefault, F::GothicP,    A::Left,  false, 32},
    {{"Label7", 2},         K::Label,          {"Frame2"},        "a=",     120,  360,  255,  255,   kDefault,      kTransparent, kDefault, F::TimesItalic, A::Left, false, 56},
    {{"Labela", 2},         K::Label,          {"Frame2"},        "",       360,  360,  255,  255,   kLightCyan,    kOpaque,      kRed,     F::Times,      A::Right, false, 18},
    {{"SpinButton3", 2},    K::SpinButton,     {"Frame2"},        "",       720,  240,  255,  375,   kDefault,      kOpaque,      kDefault, F::NoFont,       A::Left,  false, 65},
    {{"Label8", 2},         K::Label,          {"Frame2"},        "f=",     120,  720,  255,  255,   kDefault,      kTransparent, kDefault, F::TimesItalic, A::Left, false, 59},
    {{"Labelb", 2},         K::Label,          {"Frame2"},        "",       360,  720,  255,  255,   kLightCyan,    kOpaque,      kRed,     F::Times,      A::Right, false, 17},
    {{"SpinButton4", 2},    K::SpinButton,     {"Frame2"},        "",       720,  720,  255,  375,   kDefault,      kOpaque,      kDefault, F::NoFont,       A::Left,  false, 69},

    {{"Frame8"},            K::Frame,          kWindow,           "",       0,    3600, 6855, 1215,  kDefault,      kOpaque,      kDefault, F::NoFont,       A::Left,  false, 3},
    {{"Label5"},            K::Label,          {"Frame8"},        "D",      0,    480,  255,  255,   kDefault,      kTransparent, kRed,     F::GothicBold, A::Centre, false, 51},
    {{"Grph", 3},           K::PictureBox,     {"Frame8"},        "",       240,  120,  4575, 1095,  kWhite,        kOpaque,      kDefault, F::NoFont,       A::Left,  false, 6},
    {{"Frame3"},            K::Frame,          {"Frame8"},        "",       4800, 0,    2055, 1215,  kLightCyan,    kOpaque,      kDefault, F::NoFont,       A::Left,  false, 19},
    {{"Frame10", 3},        K::Frame,          {"Frame3"},        "",       1080, 120,  855,  975,   kLightYellow,  kOpaque,      kDefault, F::NoFont,       A::Left,  false, 34},
    {{"switch_c", 3},       K::OptionButton,   {"Frame10", 3},    "cos",    120,  240,  612,  195,   kLightYellow,  kOpaque,      kDefault, F::GothicP,    A::Left,  false, 36},
    {{"switch_s", 3},       K::OptionButton,   {"Frame10", 3},    "sin",    120,  600,  612,  252,   kLightYellow,  kOpaque,      kDefault, F::GothicP,    A::Left,  false, 35},
    {{"Label7", 3},         K::Label,          {"Frame3"},        "a=",     120,  360,  255,  255,   kDefault,      kTransparent, kDefault, F::TimesItalic, A::Left, false, 57},
    {{"Labela", 3},         K::Label,          {"Frame3"},        "",       360,  360,  255,  255,   kLightCyan,    kOpaque,      kRed,     F::Times,      A::Right, false, 21},
    {{"SpinButton3", 3},    K::SpinButton,     {"Frame3"},        "",       720,  240,  255,  375,   kDefault,      kOpaque,      kDefault, F::NoFont,       A::Left,  false, 66},
    {{"Label8", 3},         K::Label,          {"Frame3"},        "f=",     120,  720,  255,  255,   kDefault,      kTransparent, kDefault, F::TimesItalic, A::Left, false, 60},
    {{"Labelb", 3},         K::Label,          {"Frame3"},        "",       360,  720,  255,  255,   kLightCyan,    kOpaque,      kRed,     F::Times,      A::Right, false, 20},
    {{"SpinButton4", 3},    K::SpinButton,     {"Frame3"},        "",       720,  720,  255,  375,   kDefault,      kOpaque,      kDefault, F::NoFont,       A::Left,  false, 70},

    {{"Frame9"},            K::Frame,          kWindow,           "",       0,    4800, 6855, 2175,  kDefault,      kOpaque,      kDefault, F::NoFont,       A::Left,  false, 4},
    {{"Gr"},                K::PictureBox,     {"Frame9"},        "",       240,  120,  4575, 2055,  kLightGreen,   kOpaque,      kDefault, F::NoFont,       A::Left,  false, 5},
    {{"value_t"},           K::Label,          {"Gr"},            "",       3720, 1080, 375,  255,   kDefault,      kTransparent, kRed,     F::GothicP,    A::Right, false, 62},
    {{"Label9"},            K::Label,          {"Gr"},            "sec",    4080, 1080, 375,  255,   kDefault,      kTransparent, kBlue,    F::GothicP,    A::Right, false, 61},
    {{"Label6"},            K::Label,          {"Frame9"},        "E",      0,    840,  255,  255,   kDefault,      kTransparent, kRed,     F::GothicBold, A::Centre, false, 52},
    {{"Frame4"},            K::Frame,          {"Frame9"},        "",       4800, 0,    2055, 2175,  kLightMagenta, kOpaque,      kDefault, F::NoFont,       A::Left,  false, 22},
    {{"Label1"},            K::Label,          {"Frame4"},        "t=",     120,  360,  255,  255,   kLightMagenta, kOpaque,      kDefault, F::TimesItalic, A::Left, false, 37},
    {{"labelt"},            K::Label,          {"Frame4"},        "",       360,  360,  255,  255,   kLightMagenta, kOpaque,      kRed,     F::TimesSmall, A::Right, false, 24},
    {{"SpinButton1"},       K::SpinButton,     {"Frame4"},        "",       720,  360,  255,  375,   kDefault,      kOpaque,      kDefault, F::NoFont,       A::Left,  false, 71},
    {{"Command1"},          K::CommandButton,  {"Frame4"},        "RESET",  1080, 360,  855,  255,   kDefault,      kOpaque,      kDefault, F::GothicP,    A::Left,  false, 23},
    {{"Frame11"},           K::Frame,          {"Frame9"},        "step a", 4920, 840,  855,  1215,  kLightYellow,  kOpaque,      kDefault, F::TimesItalic, A::Left, false, 43},
    {{"Option5"},           K::OptionButton,   {"Frame11"},       "1",      120,  240,  615,  225,   kLightYellow,  kOpaque,      kDefault, F::Times,      A::Left,  true,  44},
    {{"Option6"},           K::OptionButton,   {"Frame11"},       "0.5",    120,  480,  615,  225,   kLightYellow,  kOpaque,      kDefault, F::Times,      A::Left,  false, 45},
    {{"Option7"},           K::OptionButton,   {"Frame11"},       "0.2",    120,  720,  615,  225,   kLightYellow,  kOpaque,      kDefault, F::Times,      A::Left,  false, 46},
    {{"Option8"},           K::OptionButton,   {"Frame11"},       "0.1",    120,  960,  615,  225,   kLightYellow,  kOpaque,      kDefault, F::Times,      A::Left,  false, 47},
    {{"Frame12"},           K::Frame,          {"Frame9"},        "step f", 5880, 840,  855,  1215,  kLightYellow,  kOpaque,      kDefault, F::TimesItalic, A::Left, false, 38},
    {{"Option1"},           K::OptionButton,   {"Frame12"},       "1",      120,  240,  615,  225,   kLightYellow,  kOpaque,      kDefault, F::Times,      A::Left,  true,  39},
    {{"Option2"},           K::OptionButton,   {"Frame12"},       "0.5",    120,  480,  615,  225,   kLightYellow,  kOpaque,      kDefault, F::Times,      A::Left,  false, 40},
    {{"Option3"},           K::OptionButton,   {"Frame12"},       "0.2",    120,  720,  615,  225,   kLightYellow,  kOpaque,      kDefault, F::Times,      A::Left,  false, 41},
    {{"Option4"},           K::OptionButton,   {"Frame12"},       "0.1",    120,  960,  615,  225,   kLightYellow,  kOpaque,      kDefault, F::Times,      A::Left,  false, 42},
}};
// clang-format on

} // namespace

std::span<const ControlRow> window_layout() {
    return kLayout;
}

std::string object_name(const ControlRef& ref) {
    std::string name(ref.name);
    if (ref.index >= 0) {
        name += '(' + std::to_string(ref.index) + ')';
    }
    return name;
}

int twips_to_pixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

bool shows_a_value(const ControlRef& ref) {
    return ref.name == "Labela" || ref.name == "Labelb" || ref.name == "labelt" ||
           ref.name == "value_t";
}

} // namespace wave
