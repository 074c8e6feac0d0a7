// The kernels for AVX2 with FMA, eight pixels a step: doubles in 256-bit
// registers. Compiled with those extensions and run only where the processor
// has them.
#include <immintrin.h>

#include "FrameKernelBody.h"

namespace {

struct Avx2Isa : PortableIsa<8, Avx2Isa> {
    using HalfF64 = V::HalfF64;

    // One instruction, where the compiler splits the portable conversion in
    // two halves through memory.
    static HalfF64 Widen(V::HalfF32 v) { return _mm256_cvtps_pd((__m128)v); }

    static HalfF64 SquareRoot(HalfF64 v) { return _mm256_sqrt_pd((__m256d)v); }

    // Exact for a product of two floats; see PortableIsa.
    static HalfF64 MultiplyAdd(HalfF64 a, HalfF64 b, HalfF64 c)
    {
        return _mm256_fmadd_pd((__m256d)a, (__m256d)b, (__m256d)c);
    }

    static V::F32 EstimateMultiplyAdd(V::F32 a, V::F32 b, V::F32 c)
    {
        return (V::F32)_mm256_fmadd_ps((__m256)a, (__m256)b, (__m256)c);
    }

    // The maximum gives its second operand, 0, when d is not a number.
    static HalfF64 AtLeastZero(HalfF64 d) { return _mm256_max_pd((__m256d)d, _mm256_setzero_pd()); }
    static V::F32 AtLeastZero(V::F32 d) { return _mm256_max_ps((__m256)d, _mm256_setzero_ps()); }

    // A doubtful lane's sign is set: one instruction, where a test takes two.
    static bool AnyLane(V::U32 lanes) { return _mm256_movemask_ps((__m256)lanes) != 0; }

    // Byte selections in one shuffle, where shifts and masks take two or three.
    template <int N>
    static V::U32 Byte(V::U32 words)
    {
        return (V::U32)_mm256_shuffle_epi8((__m256i)words, (__m256i)ByteSelection<V::U32, N, -1, -1, -1>());
    }
    template <int N>
    static V::U32 ByteTwice(V::U32 words)
    {
        return (V::U32)_mm256_shuffle_epi8((__m256i)words, (__m256i)ByteSelection<V::U32, N, -1, N, -1>());
    }
    static V::U32 Twice(V::U32 lanes) { return ByteTwice<0>(lanes); }
    static V::U32 AddBytesSaturated(V::U32 a, V::U32 b) { return (V::U32)_mm256_adds_epu8((__m256i)a, (__m256i)b); }
    static V::U32 SpecularWord(V::U32 v)
    {
        return (V::U32)_mm256_shuffle_epi8((__m256i)v, (__m256i)ByteSelection<V::U32, 0, 0, -1, -1>());
    }

    static V::U32 LessOne(V::U32 s) { return (V::U32)_mm256_subs_epu16((__m256i)s, _mm256_set1_epi32(1)); }

    // Thirty-two pixels a step, four vectors of eight: each 16-byte block's
    // four pixels to twelve bytes at its start, each vector's six words of
    // bytes moved to where they go in three 32-byte stores, then each store
    // blended from two neighbouring vectors. The stores fill whole halves of
    // cache lines where the output starts on one.
    static std::int32_t PackRgbGroups(const std::uint32_t* pixels, std::uint8_t* rgb, std::int32_t count)
    {
        const __m256i bytes = _mm256_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1, 2, 1, 0, 6, 5, 4,
                                               10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
        // Where each vector's words land: at 0 to 5 of store 0, at 6 and 7
        // of store 0 and 0 to 3 of store 1, at 4 to 7 of store 1 and 0 and
        // 1 of store 2, at 2 to 7 of store 2.
        const __m256i places[4] = {_mm256_setr_epi32(0, 1, 2, 4, 5, 6, 0, 0), _mm256_setr_epi32(2, 4, 5, 6, 0, 0, 0, 1),
                                   _mm256_setr_epi32(5, 6, 0, 0, 0, 1, 2, 4), _mm256_setr_epi32(0, 0, 0, 1, 2, 4, 5, 6)};
        std::int32_t i = 0;
        for (; i + 32 <= count; i += 32) {
            __m256i placed[4];
            for (int v = 0; v < 4; ++v) {
                const __m256i words = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels + i + 8 * v));
                placed[v] = _mm256_permutevar8x32_epi32(_mm256_shuffle_epi8(words, bytes), places[v]);
            }
            __m256i* out = reinterpret_cast<__m256i*>(rgb + 3 * i);
            _mm256_storeu_si256(out, _mm256_blend_epi32(placed[0], placed[1], 0xC0));
            _mm256_storeu_si256(out + 1, _mm256_blend_epi32(placed[1], placed[2], 0xF0));
            _mm256_storeu_si256(out + 2, _mm256_blend_epi32(placed[2], placed[3], 0xFC));
        }
        return i;
    }
};

} // namespace

const FrameKernels kAvx2FrameKernels = MakeFrameKernels<Avx2Isa>();
