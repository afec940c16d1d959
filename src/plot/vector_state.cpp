// SPDX-License-Identifier: MIT
#include "plot/vector_state.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace wave {

#if defined(__x86_64__) || defined(__i386__)

namespace {

// Compiled for AVX but only ever run where the processor has it, so the
// program itself stays within the baseline instruction set.
__attribute__((target("avx"))) void zero_upper() {
    _mm256_zeroupper();
}

bool has_avx() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx") != 0;
}

} // namespace

void clear_upper_vector_state() {
    static const bool avx = has_avx();
    if (avx) {
        zero_upper();
    }
}

#else

void clear_upper_vector_state() {}

#endif

} // namespace wave
