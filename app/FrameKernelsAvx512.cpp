// The kernels for AVX-512 (F, BW, DQ, VL), sixteen pixels a step: the light
// estimated in single precision, doubles in 512-bit registers where it is
// doubtful. Compiled with those extensions and run only where the
// processor has them.
#include <immintrin.h>

#include "FrameKernelBody.h"

namespace {

struct Avx512Isa : PortableIsa<16, Avx512Isa> {
    using HalfF64 = V::HalfF64;

    // The estimate's steps (SettleLight) in one instruction each. With it
    // the light takes about 20 instructions per sixteen pixels where the
    // double-precision light takes about 45, 12 of them widenings.
    static V::F32 AtLeastZero(V::F32 d) { return (V::F32)_mm512_maskz_max_ps(0xFFFF, (__m512)d, _mm512_setzero_ps()); }
    static V::U32 Twice(V::U32 lanes) { return ByteTwice<0>(lanes); }
    static V::U32 AddBytesSaturated(V::U32 a, V::U32 b) { return (V::U32)_mm512_adds_epu8((__m512i)a, (__m512i)b); }
    static V::U32 SpecularWord(V::U32 v)
    {
        return (V::U32)_mm512_shuffle_epi8((__m512i)v, (__m512i)ByteSelection<V::U32, 0, 0, -1, -1>());
    }

    // The doubtful lanes as a mask, and the margin test from x - margin
    // alone: a lane is doubtful where x - margin, rounded, lies 1 - 2 x
    // margin or more above its truncation (below 0 it lies below it, and
    // everything from -1 to 1 truncates to 0). That difference is exact,
    // and the reduction takes it in one instruction where the other test
    // takes a second sum and a second conversion.
    using Doubt = __mmask16;
    static V::U32 TruncateWithin(V::F32 x, float margin, Doubt& doubtful)
    {
        const __m512 below = _mm512_sub_ps((__m512)x, _mm512_set1_ps(margin));
        const __m512 fraction = _mm512_reduce_ps(below, _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC);
        doubtful = _mm512_cmp_ps_mask(fraction, _mm512_set1_ps(1.0f - 2 * margin), _CMP_GE_OQ);
        return (V::U32)_mm512_maskz_cvttps_epi32(0xFFFF, below);
    }
    static bool AnyLane(Doubt lanes) { return lanes != 0; }

    // One instruction, where the compiler splits the portable conversion in
    // two halves. Here and below, the zero-masked forms keep
    // every lane (mask of all eight) and, unlike the plain ones, start from a
    // defined register.
    static HalfF64 Widen(V::HalfF32 v) { return _mm512_maskz_cvtps_pd(0xFF, (__m256)v); }

    static HalfF64 SquareRoot(HalfF64 v) { return _mm512_maskz_sqrt_pd(0xFF, (__m512d)v); }

    // Exact for a product of two floats; see PortableIsa.
    static HalfF64 MultiplyAdd(HalfF64 a, HalfF64 b, HalfF64 c)
    {
        return _mm512_fmadd_pd((__m512d)a, (__m512d)b, (__m512d)c);
    }

    static V::F32 EstimateMultiplyAdd(V::F32 a, V::F32 b, V::F32 c)
    {
        return (V::F32)_mm512_fmadd_ps((__m512)a, (__m512)b, (__m512)c);
    }

    // The maximum gives its second operand, 0, when d is not a number.
    static HalfF64 AtLeastZero(HalfF64 d) { return _mm512_maskz_max_pd(0xFF, (__m512d)d, _mm512_setzero_pd()); }

    // Truncation through the adder instead of the converter: for x of 0 to
    // 2^23, x + 2^52 rounded toward zero is 2^52 + trunc(x), which leaves
    // trunc(x) in the low word of the double. One word permutation then
    // takes the low word of each double into both halves of a 32-bit lane.
    static V::U32 TruncateTwice(HalfF64 low, HalfF64 high)
    {
        constexpr int kTowardZero = _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC;
        const __m512d two52 = _mm512_set1_pd(4503599627370496.0);
        const __m512i lowBits = (__m512i)_mm512_maskz_add_round_pd(0xFF, (__m512d)low, two52, kTowardZero);
        const __m512i highBits = (__m512i)_mm512_maskz_add_round_pd(0xFF, (__m512d)high, two52, kTowardZero);
        const __m512i lowWords = _mm512_set_epi16(60, 60, 56, 56, 52, 52, 48, 48, 44, 44, 40, 40, 36, 36, 32, 32, 28,
                                                  28, 24, 24, 20, 20, 16, 16, 12, 12, 8, 8, 4, 4, 0, 0);
        return (V::U32)_mm512_permutex2var_epi16(lowBits, lowWords, highBits);
    }

    // Likewise f x 256 + 2^23 rounded toward zero is 2^23 + s in the low bits
    // of the float (the product is exact, so fusing the two operations
    // changes nothing); one saturating 16-bit subtraction of 0x4B00 and 1
    // then gives v = s - 1, or 0.
    static V::U32 SpecularLevels(HalfF64 low, HalfF64 high)
    {
        constexpr int kTowardZero = _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC;
        const __m256 lowFloats = _mm512_maskz_cvtpd_ps(0xFF, (__m512d)low);
        const __m256 highFloats = _mm512_maskz_cvtpd_ps(0xFF, (__m512d)high);
        const __m512 f = _mm512_insertf32x8(_mm512_castps256_ps512(lowFloats), highFloats, 1);
        const __m512i s =
            (__m512i)_mm512_fmadd_round_ps(f, _mm512_set1_ps(256.0f), _mm512_set1_ps(8388608.0f), kTowardZero);
        return (V::U32)_mm512_subs_epu16(s, _mm512_set1_epi32(0x4B000001));
    }

    // Likewise, with both products fused into the sum: left unrounded, they
    // lie nearer still to the bounds that SettleLight's margin allows for.
    // Two instructions fewer than products, conversions and a subtraction.
    static V::U32 SpecularLevelsBetween(V::F32 p, float below, float above, Doubt& doubtful)
    {
        constexpr int kTowardZero = _MM_FROUND_TO_ZERO | _MM_FROUND_NO_EXC;
        const __m512 two23 = _mm512_set1_ps(8388608.0f);
        const __m512i low = (__m512i)_mm512_fmadd_round_ps((__m512)p, _mm512_set1_ps(below), two23, kTowardZero);
        const __m512i high = (__m512i)_mm512_fmadd_round_ps((__m512)p, _mm512_set1_ps(above), two23, kTowardZero);
        doubtful = _mm512_cmpneq_epi32_mask(low, high);
        return (V::U32)_mm512_subs_epu16(high, _mm512_set1_epi32(0x4B000001));
    }

    // Byte selections in one shuffle, where shifts and masks take two or three.
    template <int N>
    static V::U32 Byte(V::U32 words)
    {
        return (V::U32)_mm512_shuffle_epi8((__m512i)words, (__m512i)ByteSelection<V::U32, N, -1, -1, -1>());
    }
    template <int N>
    static V::U32 ByteTwice(V::U32 words)
    {
        return (V::U32)_mm512_shuffle_epi8((__m512i)words, (__m512i)ByteSelection<V::U32, N, -1, N, -1>());
    }

    // Sixteen pixels a vector, four vectors a step: each 16-byte block's
    // four pixels to twelve bytes at its start, then the four vectors' 48-
    // byte runs joined into three 64-byte stores, which fill whole cache
    // lines where the output starts on one.
    static std::int32_t PackRgbGroups(const std::uint32_t* pixels, std::uint8_t* rgb, std::int32_t count)
    {
        const __m512i bytes = _mm512_maskz_broadcast_i32x4(0xFFFF, _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1));
        // The words of two packed vectors (16 and up: the second) that make
        // one store: the rest of the first one's runs, then the second one's.
        const __m512i first = _mm512_setr_epi32(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, 16, 17, 18, 20);
        const __m512i middle = _mm512_setr_epi32(5, 6, 8, 9, 10, 12, 13, 14, 16, 17, 18, 20, 21, 22, 24, 25);
        const __m512i last = _mm512_setr_epi32(10, 12, 13, 14, 16, 17, 18, 20, 21, 22, 24, 25, 26, 28, 29, 30);
        std::int32_t i = 0;
        for (; i + 64 <= count; i += 64) {
            __m512i packed[4];
            for (int v = 0; v < 4; ++v)
                packed[v] = _mm512_shuffle_epi8(_mm512_loadu_si512(pixels + i + 16 * v), bytes);
            std::uint8_t* out = rgb + 3 * i;
            _mm512_storeu_si512(out, _mm512_permutex2var_epi32(packed[0], first, packed[1]));
            _mm512_storeu_si512(out + 64, _mm512_permutex2var_epi32(packed[1], middle, packed[2]));
            _mm512_storeu_si512(out + 128, _mm512_permutex2var_epi32(packed[2], last, packed[3]));
        }
        return i;
    }
};

} // namespace

const FrameKernels kAvx512FrameKernels = MakeFrameKernels<Avx512Isa>();
