// SPDX-License-Identifier: MIT
#include "ui/accessible_names.h"

#include <array>
#include <string_view>

namespace wave {

namespace {

struct Entry {
    std::string_view name;
    std::string_view spoken; // for array members, '#' stands for the wave's letter
};

// The numbered default names say nothing to a listener; these say what each
// control is for. Array members are named per wave.
constexpr std::array<Entry, 10> kArrays{{
    {"Grph", "Wave #"},
    {"Frame10", "Waveform of wave #"},
    {"switch_c", "Wave #: cosine"},
    {"switch_s", "Wave #: sine"},
    {"Label7", "Amplitude of wave #, caption"},
    {"Labela", "Amplitude of wave #"},
    {"SpinButton3", "Amplitude of wave #, up/down"},
    {"Label8", "Frequency of wave #, caption"},
    {"Labelb", "Frequency of wave #"},
    {"SpinButton4", "Frequency of wave #, up/down"},
}};

constexpr std::array<Entry, 32> kSingles{{
    {"Frame5", "Band A"},
    {"Frame6", "Band B"},
    {"Frame7", "Band C"},
    {"Frame8", "Band D"},
    {"Frame9", "Band E"},
    {"Label2", "Letter of wave A"},
    {"Label3", "Letter of wave B"},
    {"Label4", "Letter of wave C"},
    {"Label5", "Letter of wave D"},
    {"Label6", "Letter of synthesized wave E"},
    {"Frame_a", "Panel of wave A"},
    {"Form1", "Panel of wave B"},
    {"Frame2", "Panel of wave C"},
    {"Frame3", "Panel of wave D"},
    {"Gr", "Synthesized wave E"},
    {"value_t", "Time span shown, seconds"},
    {"Label9", "Unit of the time span shown"},
    {"Frame4", "Panel of time span"},
    {"Label1", "Time span, caption"},
    {"labelt", "Time span"},
    {"SpinButton1", "Time span, up/down"},
    {"Command1", "Reset time span"},
    {"Frame11", "Step of amplitude"},
    {"Option5", "Step of amplitude 1"},
    {"Option6", "Step of amplitude 0.5"},
    {"Option7", "Step of amplitude 0.2"},
    {"Option8", "Step of amplitude 0.1"},
    {"Frame12", "Step of frequency"},
    {"Option1", "Step of frequency 1"},
    {"Option2", "Step of frequency 0.5"},
    {"Option3", "Step of frequency 0.2"},
    {"Option4", "Step of frequency 0.1"},
}};

constexpr int kWaves = 4;

} // namespace

std::string accessible_name(const ControlRef& ref) {
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

} // namespace wave
