// The kernels for AVX-512 (F, BW, DQ, VL), sixteen pixels a step: doubles in
// 512-bit registers. Compiled with those extensions and run only where the
// processor has them.
#include <immintrin.h>

#include "FrameKernelBody.h"

namespace {

// One instruction each, where the compiler splits the portable conversion in
// two halves. The zero-masked forms keep every lane (mask of all eight) and,
// unlike the plain ones, start from a defined register.
struct Avx512Widening {
    static constexpr int kGroup = 16;
    using V = Vectors<16>;
    static V::HalfF64 Widen(V::HalfF32 v) { return _mm512_maskz_cvtps_pd(0xFF, (__m256)v); }
    static V::HalfF64 Widen(V::HalfI32 v) { return _mm512_maskz_cvtepi32_pd(0xFF, (__m256i)v); }
};

} // namespace

const FrameKernels kAvx512FrameKernels = MakeFrameKernels<Avx512Widening>();
