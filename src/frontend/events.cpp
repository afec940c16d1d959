// SPDX-License-Identifier: MIT
#include "frontend/events.h"

#include "form/form1.h"

#include <array>

namespace wave {

namespace {

using E = ControlEvents;

// clang-format off
constexpr std::array<EventRow, 17> kEvents{{
    {"SpinButton3", &E::SpinUp,   [](Form1& f, std::int16_t i) { f.SpinButton3_SpinUp(i); }},
    {"SpinButton3", &E::SpinDown, [](Form1& f, std::int16_t i) { f.SpinButton3_SpinDown(i); }},
    {"SpinButton4", &E::SpinUp,   [](Form1& f, std::int16_t i) { f.SpinButton4_SpinUp(i); }},
    {"SpinButton4", &E::SpinDown, [](Form1& f, std::int16_t i) { f.SpinButton4_SpinDown(i); }},
    {"switch_c",    &E::Click,    [](Form1& f, std::int16_t i) { f.switch_c_Click(i); }},
    {"switch_s",    &E::Click,    [](Form1& f, std::int16_t i) { f.switch_s_Click(i); }},
    {"Option1",     &E::Click,    [](Form1& f, std::int16_t) { f.Option1_Click(); }},
    {"Option2",     &E::Click,    [](Form1& f, std::int16_t) { f.Option2_Click(); }},
    {"Option3",     &E::Click,    [](Form1& f, std::int16_t) { f.Option3_Click(); }},
    {"Option4",     &E::Click,    [](Form1& f, std::int16_t) { f.Option4_Click(); }},
    {"Option5",     &E::Click,    [](Form1& f, std::int16_t) { f.Option5_Click(); }},
    {"Option6",     &E::Click,    [](Form1& f, std::int16_t) { f.Option6_Click(); }},
    {"Option7",     &E::Click,    [](Form1& f, std::int16_t) { f.Option7_Click(); }},
    {"Option8",     &E::Click,    [](Form1& f, std::int16_t) { f.Option8_Click(); }},
    {"SpinButton1", &E::SpinUp,   [](Form1& f, std::int16_t) { f.SpinButton1_SpinUp(); }},
    {"SpinButton1", &E::SpinDown, [](Form1& f, std::int16_t) { f.SpinButton1_SpinDown(); }},
    {"Command1",    &E::Click,    [](Form1& f, std::int16_t) { f.Command1_Click(); }},
}};
// clang-format on

} // namespace

std::span<const EventRow> event_table() {
    return kEvents;
}

ControlEvents events_of(Form1& form, const ControlRef& control) {
    ControlEvents events;
    const auto index = static_cast<std::int16_t>(control.index);
    for (const EventRow& row : kEvents) {
        if (row.control == control.name) {
            events.*
                row.event = [&form, procedure = row.procedure, index] { procedure(form, index); };
        }
    }
    return events;
}

} // namespace wave
