// SPDX-License-Identifier: MIT
#include "form/form1.h"

namespace wave {

// The toolkit keeps the pair exclusive; these only write the flag and redraw.
void Form1::switch_c_Click(std::int16_t Index) {
    settings.is_cos.at(static_cast<std::size_t>(Index)) = VbTrue;
    get_curve(Index);
    get_curve2();
}

void Form1::switch_s_Click(std::int16_t Index) {
    settings.is_cos.at(static_cast<std::size_t>(Index)) = VbFalse;
    get_curve(Index);
    get_curve2();
}

} // namespace wave
