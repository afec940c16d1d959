// SPDX-License-Identifier: MIT
#include "form/form1.h"

namespace wave {

// Only the span goes back; everything else the learner set stays.
void Form1::Command1_Click() {
    settings.span_t = 1.0f;
    redraw_span();
}

} // namespace wave
