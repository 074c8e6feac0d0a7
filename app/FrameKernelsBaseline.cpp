// The kernels for the build's own target, four pixels a step. Where the
// target has them, the clamp of d takes the vector maximum, the estimate the
// fused multiply-add and the saturated sums the clipped sum of bytes;
// elsewhere the portable operations, which give the same bits.
#if defined(__SSE2__)
#include <emmintrin.h>
#elif defined(__wasm_simd128__)
#include <wasm_simd128.h>
#elif defined(__aarch64__)
#include <arm_neon.h>
#endif

#include "FrameKernelBody.h"

namespace {

struct BaselineIsa : PortableIsa<4, BaselineIsa> {
    using HalfF64 = V::HalfF64;

#if defined(__SSE2__)
    // The maximum gives its second operand, 0, when d is not a number.
    static HalfF64 AtLeastZero(HalfF64 d) { return (HalfF64)_mm_max_pd((__m128d)d, _mm_setzero_pd()); }
    static V::F32 AtLeastZero(V::F32 d) { return (V::F32)_mm_max_ps((__m128)d, _mm_setzero_ps()); }
    static HalfF64 SquareRoot(HalfF64 v) { return (HalfF64)_mm_sqrt_pd((__m128d)v); }

    // A doubtful lane's sign is set.
    static bool AnyLane(V::U32 lanes) { return _mm_movemask_ps((__m128)lanes) != 0; }

    static V::U32 AddBytesSaturated(V::U32 a, V::U32 b) { return (V::U32)_mm_adds_epu8((__m128i)a, (__m128i)b); }
#elif defined(__wasm_simd128__)
    // The pseudo-maximum of 0 and d is d only where 0 < d, so 0 for not-a-number.
    static HalfF64 AtLeastZero(HalfF64 d) { return (HalfF64)wasm_f64x2_pmax(wasm_f64x2_const_splat(0.0), (v128_t)d); }
    static V::F32 AtLeastZero(V::F32 d) { return (V::F32)wasm_f32x4_pmax(wasm_f32x4_const_splat(0.0f), (v128_t)d); }
    static HalfF64 SquareRoot(HalfF64 v) { return (HalfF64)wasm_f64x2_sqrt((v128_t)v); }

    // WebAssembly converts to integers with saturation, at the cost of a
    // few instructions, or for pairs of doubles lane by lane; whole-vector
    // rounding and the adder do it here. trunc(x) + 2^23 is exact for x from
    // -1 to 2^23 and leaves trunc(x) in the low bits of the float.
    static V::U32 LowBits(v128_t biased) { return (V::U32)wasm_i32x4_sub(biased, wasm_i32x4_const_splat(0x4B000000)); }

    // The margin test from x - margin alone, as on AVX-512: the fraction
    // of x - margin, rounded, is exact.
    static V::U32 TruncateWithin(V::F32 x, float margin, Doubt& doubtful)
    {
        const v128_t below = wasm_f32x4_sub((v128_t)x, wasm_f32x4_splat(margin));
        const v128_t truncated = wasm_f32x4_trunc(below);
        doubtful = (V::U32)wasm_f32x4_ge(wasm_f32x4_sub(below, truncated), wasm_f32x4_splat(1.0f - 2 * margin));
        return LowBits(wasm_f32x4_add(truncated, wasm_f32x4_const_splat(8388608.0f)));
    }

    // The two truncations compared as floats, where -0 equals 0 as their
    // integers do, and v = s - 1, or 0, as 2^23 + s - 1 rounded up to at
    // least 2^23 by the pseudo-maximum.
    static V::U32 SpecularLevelsBetween(V::F32 p, float below, float above, Doubt& doubtful)
    {
        const v128_t s = wasm_f32x4_trunc(wasm_f32x4_mul((v128_t)p, wasm_f32x4_splat(above)));
        doubtful = (V::U32)wasm_f32x4_ne(s, wasm_f32x4_trunc(wasm_f32x4_mul((v128_t)p, wasm_f32x4_splat(below))));
        const v128_t lessOne = wasm_f32x4_add(s, wasm_f32x4_const_splat(8388607.0f));
        return LowBits(wasm_f32x4_pmax(wasm_f32x4_const_splat(8388608.0f), lessOne));
    }

    // Likewise trunc(x) + 2^52 for doubles, leaving trunc(x) in the low word
    // of each; one shuffle takes that word into both halves of a 32-bit lane.
    static V::U32 TruncateTwice(HalfF64 low, HalfF64 high)
    {
        const v128_t two52 = wasm_f64x2_const_splat(4503599627370496.0);
        const v128_t lowBits = wasm_f64x2_add(wasm_f64x2_trunc((v128_t)low), two52);
        const v128_t highBits = wasm_f64x2_add(wasm_f64x2_trunc((v128_t)high), two52);
        return (V::U32)wasm_i16x8_shuffle(lowBits, highBits, 0, 0, 4, 4, 8, 8, 12, 12);
    }

    static bool AnyLane(V::U32 lanes) { return wasm_v128_any_true((v128_t)lanes); }

    static V::U32 AddBytesSaturated(V::U32 a, V::U32 b) { return (V::U32)wasm_u8x16_add_sat((v128_t)a, (v128_t)b); }
#elif defined(__aarch64__)
    // Exact for a product of two floats; see PortableIsa.
    static HalfF64 MultiplyAdd(HalfF64 a, HalfF64 b, HalfF64 c)
    {
        return (HalfF64)vfmaq_f64((float64x2_t)c, (float64x2_t)a, (float64x2_t)b);
    }
    static V::F32 EstimateMultiplyAdd(V::F32 a, V::F32 b, V::F32 c)
    {
        return (V::F32)vfmaq_f32((float32x4_t)c, (float32x4_t)a, (float32x4_t)b);
    }

    // The number maximum gives the number, 0, when d is not a number.
    static HalfF64 AtLeastZero(HalfF64 d) { return (HalfF64)vmaxnmq_f64((float64x2_t)d, vdupq_n_f64(0.0)); }
    static V::F32 AtLeastZero(V::F32 d) { return (V::F32)vmaxnmq_f32((float32x4_t)d, vdupq_n_f32(0.0f)); }
    static HalfF64 SquareRoot(HalfF64 v) { return (HalfF64)vsqrtq_f64((float64x2_t)v); }

    static bool AnyLane(V::U32 lanes) { return vmaxvq_u32((uint32x4_t)lanes) != 0; }

    static V::U32 AddBytesSaturated(V::U32 a, V::U32 b) { return (V::U32)vqaddq_u8((uint8x16_t)a, (uint8x16_t)b); }

    // Sixteen pixels a step: their bytes loaded apart into B, G, R and the
    // top byte, and R, G and B stored back interleaved.
    static std::int32_t PackRgbGroups(const std::uint32_t* pixels, std::uint8_t* rgb, std::int32_t count)
    {
        std::int32_t i = 0;
        for (; i + 16 <= count; i += 16) {
            const uint8x16x4_t channels = vld4q_u8(reinterpret_cast<const std::uint8_t*>(pixels + i));
            vst3q_u8(rgb + 3 * i, uint8x16x3_t{{channels.val[2], channels.val[1], channels.val[0]}});
        }
        return i;
    }
#endif
};

} // namespace

const FrameKernels kBaselineFrameKernels = MakeFrameKernels<BaselineIsa>();
