// The kernels for AVX2, eight pixels a step: doubles in 256-bit registers.
// Compiled with -mavx2 and run only where the processor has it.
#include <immintrin.h>

#include "FrameKernelBody.h"

namespace {

// One instruction each, where the compiler splits the portable conversion
// in two halves through memory.
struct Avx2Widening {
    static constexpr int kGroup = 8;
    using V = Vectors<8>;
    static V::HalfF64 Widen(V::HalfF32 v) { return _mm256_cvtps_pd((__m128)v); }
    static V::HalfF64 Widen(V::HalfI32 v) { return _mm256_cvtepi32_pd((__m128i)v); }
};

} // namespace

const FrameKernels kAvx2FrameKernels = MakeFrameKernels<Avx2Widening>();
