// SPDX-License-Identifier: MIT
#include "form/form1.h"

namespace wave {

// A step applies from the next press on; nothing is redrawn.
void Form1::Option1_Click() {
    settings.step_f = 10;
}
void Form1::Option2_Click() {
    settings.step_f = 5;
}
void Form1::Option3_Click() {
    settings.step_f = 2;
}
void Form1::Option4_Click() {
    settings.step_f = 1;
}
void Form1::Option5_Click() {
    settings.step_a = 10;
}
void Form1::Option6_Click() {
    settings.step_a = 5;
}
void Form1::Option7_Click() {
    settings.step_a = 2;
}
void Form1::Option8_Click() {
    settings.step_a = 1;
}

} // namespace wave
