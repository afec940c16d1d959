// SPDX-License-Identifier: MIT
#pragma once

namespace wave {

// Marks the upper halves of the vector registers clean before the plots'
// arithmetic. Code elsewhere in the process may use 256-bit registers and
// return without doing so; on many Intel processors every SSE instruction
// after that, the cosines' included, runs many times slower. One instruction
// where the processor has AVX; nothing where it has not.
void clear_upper_vector_state();

} // namespace wave
