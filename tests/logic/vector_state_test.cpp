// SPDX-License-Identifier: MIT
#include "plot/vector_state.h"

#include <gtest/gtest.h>

#if defined(__x86_64__)

#include <cpuid.h>
#include <immintrin.h>

using namespace wave;

namespace {

// XGETBV with ECX = 1 reads which state components are in use; bit 2 is the
// upper halves of the ymm registers.
bool can_read_in_use() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    return __builtin_cpu_supports("avx") && __get_cpuid_count(0xD, 1, &a, &b, &c, &d) &&
           (a & 4u) != 0;
}

__attribute__((target("xsave"))) bool upper_in_use() {
    return ((_xgetbv(1) >> 2) & 1u) != 0;
}

// As a library built for AVX may leave them: no vzeroupper on the way out.
__attribute__((target("avx"))) void dirty_upper() {
    asm volatile("vpcmpeqd %%xmm1, %%xmm1, %%xmm1\n\tvinsertf128 $1, %%xmm1, %%ymm1, %%ymm1" ::
                     : "xmm1");
}

TEST(VectorState, UpperHalvesLeftInUseAreCleared) {
    if (!can_read_in_use()) {
        GTEST_SKIP() << "this processor cannot show which vector state is in use";
    }
    dirty_upper();
    ASSERT_TRUE(upper_in_use()) << "the set-up did not leave the upper halves in use";
    clear_upper_vector_state();
    EXPECT_FALSE(upper_in_use());
}

} // namespace

#endif
