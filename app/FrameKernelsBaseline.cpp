// The kernels for the build's own target, four pixels a step. Where the
// target has them, the clamp of d takes the vector maximum, and the dot
// product the fused multiply-add; elsewhere the portable operations, which
// give the same bits.
#if defined(__SSE2__)
#include <emmintrin.h>
#elif defined(__wasm_simd128__)
#include <wasm_simd128.h>
#elif defined(__aarch64__)
#include <arm_neon.h>
#endif

#include "FrameKernelBody.h"

namespace {

struct BaselineIsa : PortableIsa<4> {
    using HalfF64 = V::HalfF64;

#if defined(__SSE2__)
    // The maximum gives its second operand, 0, when d is not a number.
    static HalfF64 AtLeastZero(HalfF64 d) { return (HalfF64)_mm_max_pd((__m128d)d, _mm_setzero_pd()); }
#elif defined(__wasm_simd128__)
    // The pseudo-maximum of 0 and d is d only where 0 < d, so 0 for not-a-number.
    static HalfF64 AtLeastZero(HalfF64 d) { return (HalfF64)wasm_f64x2_pmax(wasm_f64x2_const_splat(0.0), (v128_t)d); }
#elif defined(__aarch64__)
    // Exact for a product of two floats; see PortableIsa.
    static HalfF64 MultiplyAdd(HalfF64 a, HalfF64 b, HalfF64 c)
    {
        return (HalfF64)vfmaq_f64((float64x2_t)c, (float64x2_t)a, (float64x2_t)b);
    }

    // The number maximum gives the number, 0, when d is not a number.
    static HalfF64 AtLeastZero(HalfF64 d) { return (HalfF64)vmaxnmq_f64((float64x2_t)d, vdupq_n_f64(0.0)); }
#endif
};

} // namespace

const FrameKernels kBaselineFrameKernels = MakeFrameKernels<BaselineIsa>();
