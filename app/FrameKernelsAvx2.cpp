// The kernels for AVX2 with FMA, eight pixels a step: doubles in 256-bit
// registers. Compiled with those extensions and run only where the processor
// has them.
#include <immintrin.h>

#include "FrameKernelBody.h"

namespace {

struct Avx2Isa : PortableIsa<8> {
    using HalfF64 = V::HalfF64;

    // One instruction each, where the compiler splits the portable conversion
    // in two halves through memory.
    static HalfF64 Widen(V::HalfF32 v) { return _mm256_cvtps_pd((__m128)v); }
    static HalfF64 Widen(V::HalfI32 v) { return _mm256_cvtepi32_pd((__m128i)v); }

    // Exact for a product of two floats; see PortableIsa.
    static HalfF64 MultiplyAdd(HalfF64 a, HalfF64 b, HalfF64 c)
    {
        return _mm256_fmadd_pd((__m256d)a, (__m256d)b, (__m256d)c);
    }

    // The maximum gives its second operand, 0, when d is not a number.
    static HalfF64 AtLeastZero(HalfF64 d) { return _mm256_max_pd((__m256d)d, _mm256_setzero_pd()); }
    static V::F32 AtLeastZero(V::F32 d) { return _mm256_max_ps((__m256)d, _mm256_setzero_ps()); }

    static bool AnyLane(V::U32 lanes) { return !_mm256_testz_si256((__m256i)lanes, (__m256i)lanes); }

    // Byte selections in one shuffle, where shifts and masks take two or three.
    template <int N>
    static V::U32 Byte(V::U32 words)
    {
        return (V::U32)_mm256_shuffle_epi8((__m256i)words, (__m256i)ByteSelection<V::U32>(N, 0x80));
    }
    template <int N>
    static V::U32 ByteTwice(V::U32 words)
    {
        return (V::U32)_mm256_shuffle_epi8((__m256i)words, (__m256i)ByteSelection<V::U32>(N, N));
    }
};

} // namespace

const FrameKernels kAvx2FrameKernels = MakeFrameKernels<Avx2Isa>();
