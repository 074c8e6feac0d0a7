// The frame kernels as portable vector code. Included only by the
// FrameKernels*.cpp files, each of which compiles it for its own instruction
// set; everything here has internal linkage, so no function compiled for a
// wide instruction set can stand in for another file's copy.
//
// A step handles `Isa::kGroup` pixels: their colour words in one vector of
// 32-bit lanes, and their single-precision components and double-precision
// values in two halves of half as many lanes each, so that a half of
// doubles fills one register. The arithmetic gives the bits of the literal
// per-pixel code: the same IEEE operations on the same values, or others
// shown below to round to the same result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>

#include "FrameKernels.h"
#include "LightingTables.h"
#include "PixelArithmetic.h"

namespace {

template <int G>
struct Vectors {
    typedef std::uint32_t U32 __attribute__((vector_size(4 * G)));
    typedef std::int32_t I32 __attribute__((vector_size(4 * G)));
    typedef std::uint16_t U16 __attribute__((vector_size(4 * G)));
    typedef float F32 __attribute__((vector_size(4 * G)));
    // A half: G / 2 pixels.
    typedef std::int32_t HalfI32 __attribute__((vector_size(2 * G)));
    typedef float HalfF32 __attribute__((vector_size(2 * G)));
    typedef double HalfF64 __attribute__((vector_size(4 * G)));
    typedef std::int64_t HalfI64 __attribute__((vector_size(4 * G)));
};

// Lanes Offset, Offset + 1, ... of a and b taken as one row of lanes.
template <std::size_t Offset, typename V, std::size_t... I>
auto Lanes(V a, V b, std::index_sequence<I...>)
{
    return __builtin_shufflevector(a, b, (Offset + I)...);
}

template <int G>
typename Vectors<G>::HalfI32 LowHalf(typename Vectors<G>::I32 v)
{
    return Lanes<0>(v, v, std::make_index_sequence<G / 2>{});
}

template <int G>
typename Vectors<G>::HalfI32 HighHalf(typename Vectors<G>::I32 v)
{
    return Lanes<G / 2>(v, v, std::make_index_sequence<G / 2>{});
}

// The lanes of two halves, low first, as one vector of twice as many.
template <int G, typename Half>
auto Concatenate(Half low, Half high)
{
    return Lanes<0>(low, high, std::make_index_sequence<G>{});
}

template <int G>
typename Vectors<G>::U32 Join(typename Vectors<G>::HalfI32 low, typename Vectors<G>::HalfI32 high)
{
    return (typename Vectors<G>::U32)Concatenate<G>(low, high);
}

// The operations of a step as the compiler writes them from portable vector
// code. An instruction set with a shorter way to the same bits derives from
// this and hides the operation with its own of the same name.
template <int G>
struct PortableIsa {
    static constexpr int kGroup = G;
    using V = Vectors<G>;

    static typename V::HalfF64 Widen(typename V::HalfF32 v) { return __builtin_convertvector(v, typename V::HalfF64); }
    static typename V::HalfF64 Widen(typename V::HalfI32 v) { return __builtin_convertvector(v, typename V::HalfF64); }

    // a x b + c, where a and b are floats widened to double: their product
    // needs at most 48 of the 53 significant bits, so it is exact, and one
    // rounding of the whole sum gives what the product and the sum each
    // rounded give. A fused multiply-add is therefore exact here, and only here.
    static typename V::HalfF64 MultiplyAdd(typename V::HalfF64 a, typename V::HalfF64 b, typename V::HalfF64 c)
    {
        return a * b + c;
    }

    // d, or 0 where d is negative or not a number (a black normal).
    static typename V::HalfF64 AtLeastZero(typename V::HalfF64 d)
    {
        return (typename V::HalfF64)((typename V::HalfI64)d & (d > 0.0));
    }

    // trunc(x) of the lanes of two halves, each x from 0 to 2^23, in both
    // 16-bit halves of each 32-bit lane.
    static typename V::U32 TruncateTwice(typename V::HalfF64 low, typename V::HalfF64 high)
    {
        using HalfI32 = typename V::HalfI32;
        const typename V::U32 t = Join<G>(__builtin_convertvector(low, HalfI32), __builtin_convertvector(high, HalfI32));
        return t | (t << 16);
    }

    // v = (s x 255) >> 8 of s = trunc(f x 256), f being d^16 of 0 to 1 of
    // two halves rounded to single precision (f x 256 is exact there).
    static typename V::U32 SpecularLevels(typename V::HalfF64 low, typename V::HalfF64 high)
    {
        using HalfF32 = typename V::HalfF32;
        const typename V::F32 f =
            Concatenate<G>(__builtin_convertvector(low, HalfF32), __builtin_convertvector(high, HalfF32));
        const typename V::U32 s = (typename V::U32)__builtin_convertvector(f * 256.0f, typename V::I32);
        // (s x 255) >> 8 is s - 1 for s of 1 to 256, and 0 for 0.
        return s + (typename V::U32)((typename V::I32)s > 0);
    }
};

constexpr std::int32_t kSize = LightingTables::kFrameSize;
constexpr std::int32_t kDirectionSpan = LightingTables::kDirectionSpan;

template <typename T>
T Load(const void* source)
{
    T value;
    __builtin_memcpy(&value, source, sizeof value);
    return value;
}

template <typename T>
void Store(void* target, T value)
{
    __builtin_memcpy(target, &value, sizeof value);
}

// Per channel (src * w + dst * (255 - w)) >> 8 for per-word weights 0..255
// given in both 16-bit halves of each word. R and B are worked in the two
// halves, G in the low one: no product sum reaches 65,536.
template <int G>
typename Vectors<G>::U32 BlendWords(typename Vectors<G>::U32 src, typename Vectors<G>::U32 dst,
                                    typename Vectors<G>::U32 weights)
{
    using U32 = typename Vectors<G>::U32;
    using U16 = typename Vectors<G>::U16;
    const U16 w = (U16)weights;
    const U16 inverse = (U16)(0x00FF00FFu - weights);
    const U16 redBlue = (U16)(src & 0x00FF00FFu) * w + (U16)(dst & 0x00FF00FFu) * inverse;
    const U16 green = (U16)((src >> 8) & 0xFFu) * w + (U16)((dst >> 8) & 0xFFu) * inverse;
    return (U32)((redBlue >> 8) | (green & 0xFF00u));
}

// The lit pixel: each channel of colour times the diffuse factor k, shifted
// by 8, plus the specular word v x 257 (v in G and B), added with
// saturation. k comes in both 16-bit halves of each lane, for R and B; G
// takes it from the low one.
template <int G>
typename Vectors<G>::U32 LightColour(typename Vectors<G>::U32 colour, typename Vectors<G>::U32 k,
                                     typename Vectors<G>::U32 v)
{
    using U32 = typename Vectors<G>::U32;
    using U16 = typename Vectors<G>::U16;
    const U16 redBlue = (U16)(colour & 0x00FF00FFu) * (U16)k;
    const U16 green = (U16)((colour >> 8) & 0xFFu) * (U16)k;
    const U32 lit = (U32)((redBlue >> 8) | (green & 0xFF00u));
    return AddSaturatedWords(lit, v | (v << 8));
}

// The background's terms for BlendWords(src, background, w) written as
// background * 255 + (src - background) * w per channel: the same sum, here
// worked modulo 2^16 in the 16-bit halves of each word (R and B in the two,
// G in the low one). Every true sum lies below 65,536, so the wrapped
// differences, products and sums give it exactly.
template <int G>
struct BackgroundTerms {
    typename Vectors<G>::U16 redBlue;
    typename Vectors<G>::U16 green;
    typename Vectors<G>::U16 redBlueTimes255;
    typename Vectors<G>::U16 greenTimes255;

    explicit BackgroundTerms(std::uint32_t background)
    {
        using U32 = typename Vectors<G>::U32;
        using U16 = typename Vectors<G>::U16;
        const std::uint32_t rb = background & 0x00FF00FFu;
        const std::uint32_t g = (background >> 8) & 0xFFu;
        redBlue = (U16)(rb - U32{});
        green = (U16)(g - U32{});
        redBlueTimes255 = (U16)(rb * 255u - U32{});
        greenTimes255 = (U16)(g * 255u - U32{});
    }
};

// BlendWords(src, background, w) for a weight 0..255 given in both 16-bit
// halves of each word.
template <int G>
typename Vectors<G>::U32 BlendOverBackground(typename Vectors<G>::U32 src, const BackgroundTerms<G>& background,
                                             typename Vectors<G>::U32 weights)
{
    using U32 = typename Vectors<G>::U32;
    using U16 = typename Vectors<G>::U16;
    const U16 redBlue = ((U16)(src & 0x00FF00FFu) - background.redBlue) * (U16)weights + background.redBlueTimes255;
    const U16 green = ((U16)((src >> 8) & 0xFFu) - background.green) * (U16)weights + background.greenTimes255;
    return (U32)((redBlue >> 8) | (green & 0xFF00u));
}

// The colour of one frame row before lighting: the background, with the
// picture row composited where it lies inside the picture. The last step of
// the picture part may overlap the one before; it writes the same words.
template <int G>
void ComposeRow(const LitPictureJob& job, const BackgroundTerms<G>& terms, std::int32_t y, std::uint32_t* colours)
{
    using U32 = typename Vectors<G>::U32;
    const std::uint32_t background = job.background;
    const std::int32_t py = y + job.pictureOffsetY;
    std::int32_t first = 0;
    std::int32_t end = 0;
    if (py >= 0 && py < kSize) {
        first = job.pictureOffsetX < 0 ? -job.pictureOffsetX : 0;
        end = job.pictureOffsetX > 0 ? kSize - job.pictureOffsetX : kSize;
    }
    for (std::int32_t x = 0; x < first; ++x)
        colours[x] = background;
    for (std::int32_t x = end; x < kSize; ++x)
        colours[x] = background;
    if (first == end)
        return;

    const std::int32_t rowStart = py * kSize + job.pictureOffsetX;
    for (std::int32_t step = first; step < end; step += G) {
        const std::int32_t x = step < end - G ? step : end - G;
        U32 f = Load<U32>(job.picture + rowStart + x);
        if (job.blinkOn) {
            const U32 g = Load<U32>(job.alternatePicture + rowStart + x);
            const U32 coverage = g >> 24;
            const U32 shown = (U32)(coverage != 0u);
            f = (BlendOverBackground<G>(g, terms, coverage | (coverage << 16)) & shown) | (f & ~shown);
        }
        const U32 red = f & 0x00FF0000u;
        Store(colours + x, BlendOverBackground<G>(f, terms, red | (red >> 16)));
    }
}

// d and d^16 of half a step of pixels.
template <typename Isa>
struct HalfLight {
    typename Vectors<Isa::kGroup>::HalfF64 d;
    typename Vectors<Isa::kGroup>::HalfF64 d16;
};

// n and l point at the normal's and the light direction's three planes,
// each at the half's first pixel.
template <typename Isa>
HalfLight<Isa> LightHalf(const float* const n[3], std::int32_t ni, const float* const l[3], std::int32_t li)
{
    using V = Vectors<Isa::kGroup>;
    using F32 = typename V::HalfF32;
    using F64 = typename V::HalfF64;
    const F64 nx = Isa::Widen(Load<F32>(n[0] + ni));
    const F64 ny = Isa::Widen(Load<F32>(n[1] + ni));
    const F64 nz = Isa::Widen(Load<F32>(n[2] + ni));
    const F64 lx = Isa::Widen(Load<F32>(l[0] + li));
    const F64 ly = Isa::Widen(Load<F32>(l[1] + li));
    const F64 lz = Isa::Widen(Load<F32>(l[2] + li));
    // nz lz + ny ly, then + nx lx, every product exact. The table vectors
    // are unit vectors to within the rounding of their components, so d
    // exceeds 1 by less than 2^-21; every d from 1 to 1.0002 gives k = 220
    // and s = 256, as d = 1 does, so d needs no clamp from above.
    const F64 d = Isa::AtLeastZero(Isa::MultiplyAdd(nx, lx, Isa::MultiplyAdd(nz, lz, ny * ly)));
    const F64 d2 = d * d;
    const F64 d4 = d2 * d2;
    const F64 d8 = d4 * d4;
    return {d, d8 * d8};
}

template <typename Isa>
void DrawLitPicture(const LitPictureJob& job)
{
    constexpr int G = Isa::kGroup;
    using U32 = typename Vectors<G>::U32;
    const float* const normals[3] = {job.normalX, job.normalY, job.normalZ};
    const float* const directions[3] = {job.directionX, job.directionY, job.directionZ};
    std::uint32_t* const frame = job.frame;

    const BackgroundTerms<G> background(job.background);
    std::uint32_t colours[kSize];
    for (std::int32_t y = 0; y < kSize; ++y) {
        ComposeRow<G>(job, background, y, colours);
        const std::int32_t normalRow = y * kSize;
        const std::int32_t directionRow = y * kDirectionSpan;
        // Three steps at a time give the processor independent chains to
        // overlap; 240 is a multiple of three steps at every width.
        for (std::int32_t x = 0; x < kSize; x += 3 * G) {
            HalfLight<Isa> halves[6];
            for (int h = 0; h < 6; ++h)
                halves[h] = LightHalf<Isa>(normals, normalRow + x + h * G / 2, directions, directionRow + x + h * G / 2);
            for (int step = 0; step < 3; ++step) {
                const HalfLight<Isa>& low = halves[2 * step];
                const HalfLight<Isa>& high = halves[2 * step + 1];
                const U32 k = Isa::TruncateTwice(low.d * 220.0, high.d * 220.0);
                const U32 v = Isa::SpecularLevels(low.d16, high.d16);
                const std::int32_t at = x + step * G;
                Store(frame + normalRow + at, LightColour<G>(Load<U32>(colours + at), k, v));
            }
        }
    }
}

// Runs step(target, source) over every group of a block's rows; a row's last
// partial group goes through a zero-padded copy.
template <int G, typename Step>
void ForEachGroup(const BlockJob& job, Step step)
{
    using U32 = typename Vectors<G>::U32;
    for (std::int32_t r = 0; r < job.height; ++r) {
        std::uint32_t* target = job.target + r * job.stride;
        const std::uint32_t* source = job.source + r * job.width;
        std::int32_t x = 0;
        for (; x + G <= job.width; x += G)
            Store(target + x, step(Load<U32>(target + x), Load<U32>(source + x)));
        if (x < job.width) {
            const std::int32_t count = job.width - x;
            std::uint32_t targetWords[G] = {};
            std::uint32_t sourceWords[G] = {};
            __builtin_memcpy(targetWords, target + x, count * sizeof(std::uint32_t));
            __builtin_memcpy(sourceWords, source + x, count * sizeof(std::uint32_t));
            Store(targetWords, step(Load<U32>(targetWords), Load<U32>(sourceWords)));
            __builtin_memcpy(target + x, targetWords, count * sizeof(std::uint32_t));
        }
    }
}

template <typename Isa>
void AddSaturatedBlock(const BlockJob& job)
{
    using U32 = typename Vectors<Isa::kGroup>::U32;
    ForEachGroup<Isa::kGroup>(job, [](U32 target, U32 source) { return AddSaturatedWords(target, source); });
}

template <typename Isa>
void BlendFadedBlock(const BlockJob& job, double fade)
{
    constexpr int G = Isa::kGroup;
    using U32 = typename Vectors<G>::U32;
    using I32 = typename Vectors<G>::I32;
    ForEachGroup<G>(job, [fade](U32 target, U32 source) {
        const I32 coverage = (I32)(source >> 24);
        const U32 weights = Isa::TruncateTwice(Isa::Widen(LowHalf<G>(coverage)) * fade,
                                               Isa::Widen(HighHalf<G>(coverage)) * fade);
        return BlendWords<G>(source, target, weights);
    });
}

template <typename Isa>
constexpr FrameKernels MakeFrameKernels()
{
    return {DrawLitPicture<Isa>, AddSaturatedBlock<Isa>, BlendFadedBlock<Isa>};
}

} // namespace
