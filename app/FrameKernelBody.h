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
#include <type_traits>
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
    typedef std::uint8_t U8 __attribute__((vector_size(4 * G)));
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

// The index vector of a byte shuffle within 16-byte blocks that fills
// bytes 0 to 3 of each 32-bit lane from the lane's bytes B0 to B3; -1 for 0.
// A constant worked out by the compiler and loaded, once, from memory.
template <typename U32, int B0, int B1, int B2, int B3>
U32 ByteSelection()
{
    struct Table {
        std::uint32_t lanes[sizeof(U32) / 4];
    };
    static constexpr Table table = [] {
        Table selection{};
        const int from[4] = {B0, B1, B2, B3};
        for (std::size_t i = 0; i < sizeof(U32) / 4; ++i) {
            const int base = static_cast<int>(4 * (i % 4));
            for (int byte = 0; byte < 4; ++byte)
                selection.lanes[i] |= static_cast<std::uint32_t>(from[byte] < 0 ? 0x80 : base + from[byte]) << (8 * byte);
        }
        return selection;
    }();
    U32 selection;
    __builtin_memcpy(&selection, table.lanes, sizeof selection);
    return selection;
}

// The operations of a step as the compiler writes them from portable vector
// code. An instruction set Isa with a shorter way to the same bits derives
// from PortableIsa<G, Isa> and hides the operation with its own of the same
// name; operations here that build on others take the derived ones.
template <int G, typename Isa>
struct PortableIsa {
    static constexpr int kGroup = G;
    using V = Vectors<G>;

    static typename V::HalfF64 Widen(typename V::HalfF32 v) { return __builtin_convertvector(v, typename V::HalfF64); }

    // The correctly rounded square root of each lane, as std::sqrt gives it.
    static typename V::HalfF64 SquareRoot(typename V::HalfF64 v)
    {
        for (int i = 0; i < G / 2; ++i)
            v[i] = __builtin_sqrt(v[i]);
        return v;
    }

    // a x b + c, where a and b are floats widened to double: their product
    // needs at most 48 of the 53 significant bits, so it is exact, and one
    // rounding of the whole sum gives what the product and the sum each
    // rounded give. A fused multiply-add is therefore exact here, and only here.
    static typename V::HalfF64 MultiplyAdd(typename V::HalfF64 a, typename V::HalfF64 b, typename V::HalfF64 c)
    {
        return a * b + c;
    }

    // a x b + c in single precision for the estimate of the light, whose
    // bound (SettleLight) counts one rounding for every product and every
    // sum: a fused form drops the product's and so keeps the bound. Here the
    // two operations.
    static typename V::F32 EstimateMultiplyAdd(typename V::F32 a, typename V::F32 b, typename V::F32 c)
    {
        return a * b + c;
    }

    // d, or 0 where d is negative or not a number (a black normal).
    static typename V::HalfF64 AtLeastZero(typename V::HalfF64 d)
    {
        return (typename V::HalfF64)((typename V::HalfI64)d & (d > 0.0));
    }
    static typename V::F32 AtLeastZero(typename V::F32 d)
    {
        return (typename V::F32)((typename V::I32)d & (d > 0.0f));
    }

    // Lanes that SettleLight cannot settle: all ones where doubtful, 0
    // elsewhere.
    using Doubt = typename V::U32;

    // The truncation of the values within a margin of x, for x from 0 to
    // 2^23 - 1 and a margin below 1/2, and in `doubtful` the lanes where
    // they may not all truncate alike (SettleLight). Here that is trunc(x +
    // margin), and the lanes where x - margin, each rounded, truncates
    // otherwise: one less, so the difference marks them.
    static typename V::U32 TruncateWithin(typename V::F32 x, float margin, Doubt& doubtful)
    {
        return Isa::TruncateBetween(x - margin, x + margin, doubtful);
    }

    // trunc(above), and in `doubtful` the lanes where trunc(below) is
    // another value: one less, so the difference marks them. Both from 0 to
    // 2^23 - 1, below at most above.
    static typename V::U32 TruncateBetween(typename V::F32 below, typename V::F32 above, Doubt& doubtful)
    {
        using I32 = typename V::I32;
        const I32 truncated = __builtin_convertvector(above, I32);
        doubtful = (typename V::U32)(__builtin_convertvector(below, I32) - truncated);
        return (typename V::U32)truncated;
    }

    // Byte N of each 32-bit lane in the lane's low byte, and in the low
    // bytes of both its 16-bit halves.
    template <int N>
    static typename V::U32 Byte(typename V::U32 words)
    {
        return N == 3 ? words >> 24 : (words >> (8 * N)) & 0xFFu;
    }
    template <int N>
    static typename V::U32 ByteTwice(typename V::U32 words)
    {
        return Isa::Twice(Isa::template Byte<N>(words));
    }

    // Packs the first pixels to R, G, B bytes and returns how many; the
    // portable packing leaves them all to the word-wise loop.
    static std::int32_t PackRgbGroups(const std::uint32_t*, std::uint8_t*, std::int32_t) { return 0; }

    // a + b in each byte, clipped at 255.
    static typename V::U32 AddBytesSaturated(typename V::U32 a, typename V::U32 b)
    {
        const typename V::U8 sum = (typename V::U8)a + (typename V::U8)b;
        return (typename V::U32)(sum | (typename V::U8)(sum < (typename V::U8)a));
    }

    // Lanes of 0 to 255 in both 16-bit halves.
    static typename V::U32 Twice(typename V::U32 lanes) { return lanes | (lanes << 16); }

    // Lanes of 0 to 255 in bytes 0 and 1: v x 257.
    static typename V::U32 SpecularWord(typename V::U32 v) { return v | (v << 8); }

    // (s x 255) >> 8 of lanes of 0 to 256: s - 1, or 0 for 0.
    static typename V::U32 LessOne(typename V::U32 s) { return s + (typename V::U32)((typename V::I32)s > 0); }

    // Whether any lane is doubtful.
    static bool AnyLane(Doubt lanes)
    {
        for (int i = 0; i < G; ++i) {
            if (lanes[i] != 0)
                return true;
        }
        return false;
    }

    // trunc(x) of the lanes of two halves, each x from 0 to 2^23, in both
    // 16-bit halves of each 32-bit lane.
    static typename V::U32 TruncateTwice(typename V::HalfF64 low, typename V::HalfF64 high)
    {
        using HalfI32 = typename V::HalfI32;
        return Isa::Twice(Join<G>(__builtin_convertvector(low, HalfI32), __builtin_convertvector(high, HalfI32)));
    }

    // v = (s x 255) >> 8 of s = trunc(f x 256), f being d^16 of 0 to 1 of
    // two halves rounded to single precision (f x 256 is exact there).
    static typename V::U32 SpecularLevels(typename V::HalfF64 low, typename V::HalfF64 high)
    {
        using HalfF32 = typename V::HalfF32;
        const typename V::F32 f =
            Concatenate<G>(__builtin_convertvector(low, HalfF32), __builtin_convertvector(high, HalfF32));
        const typename V::U32 s = (typename V::U32)__builtin_convertvector(f * 256.0f, typename V::I32);
        return Isa::LessOne(s);
    }

    // v = (s x 255) >> 8 of s = trunc(p x above), and in `doubtful` the
    // lanes where trunc(p x below) is another value (SettleLight); each
    // product rounded to single precision, from 0 to 2^23 - 1, below at most
    // above.
    static typename V::U32 SpecularLevelsBetween(typename V::F32 p, float below, float above, Doubt& doubtful)
    {
        return Isa::LessOne(Isa::TruncateBetween(p * below, p * above, doubtful));
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

// The bits of a pixel word that AddSaturatedWords adds: all but the low bits
// of G and R and the top byte.
constexpr std::uint32_t kAddedBits = 0x00FEFEFFu;

// AddSaturatedWords(a, b) of words with only kAddedBits set, from sums of
// bytes clipped at 255. AddSaturatedWords adds such words as 32-bit numbers
// and fills each channel that carried out with ones. The G and R bytes of
// both are even, so their sum carries out only where it does without the
// carry from the channel below; each channel is therefore the clipped sum
// of its two bytes with that carry in its low bit, and the carries are bits
// 8, 16 and 24 of the 32-bit sum (the top byte is 1 where R carried out).
template <typename Isa>
typename Vectors<Isa::kGroup>::U32 AddSaturatedAddedBits(typename Vectors<Isa::kGroup>::U32 a,
                                                        typename Vectors<Isa::kGroup>::U32 b)
{
    return Isa::AddBytesSaturated(a, b) | ((a + b) & 0x01010100u);
}

// Per channel (src * w + dst * (255 - w)) >> 8 for per-word weights 0..255
// given in both 16-bit halves of each word. R and B are worked in the two
// halves, G in the low one: no product sum reaches 65,536.
template <typename Isa>
typename Vectors<Isa::kGroup>::U32 BlendWords(typename Vectors<Isa::kGroup>::U32 src,
                                             typename Vectors<Isa::kGroup>::U32 dst,
                                             typename Vectors<Isa::kGroup>::U32 weights)
{
    using U32 = typename Vectors<Isa::kGroup>::U32;
    using U16 = typename Vectors<Isa::kGroup>::U16;
    const U16 w = (U16)weights;
    const U16 inverse = (U16)(0x00FF00FFu - weights);
    const U16 redBlue = (U16)(src & 0x00FF00FFu) * w + (U16)(dst & 0x00FF00FFu) * inverse;
    const U16 green = (U16)Isa::template Byte<1>(src) * w + (U16)Isa::template Byte<1>(dst) * inverse;
    return (U32)((redBlue >> 8) | (green & 0xFF00u));
}

// The lit pixel: each channel of the colour times the diffuse factor k,
// shifted by 8, plus the specular word v x 257 (v in G and B), added with
// saturation. The colour comes as its R and B in bytes 2 and 0 of one word
// and its G in byte 0 of another, k in both 16-bit halves of each lane, for
// R and B; G takes it from the low one.
template <typename Isa>
typename Vectors<Isa::kGroup>::U32 LightColour(typename Vectors<Isa::kGroup>::U32 colourRedBlue,
                                              typename Vectors<Isa::kGroup>::U32 colourGreen,
                                              typename Vectors<Isa::kGroup>::U32 k,
                                              typename Vectors<Isa::kGroup>::U32 v)
{
    using U32 = typename Vectors<Isa::kGroup>::U32;
    using U16 = typename Vectors<Isa::kGroup>::U16;
    const U16 redBlue = (U16)colourRedBlue * (U16)k;
    const U16 green = (U16)colourGreen * (U16)k;
    // The channels, lit, with only kAddedBits: R and B of redBlue >> 8 and G
    // of green, whose other bytes are 0, so that one selection by a constant
    // makes the word and clears the low bits of G and R.
    constexpr std::uint32_t kFromRedBlue = 0x00FE01FFu;
    const U32 lit = ((U32)(redBlue >> 8) & kFromRedBlue) | ((U32)green & ~kFromRedBlue);
    return AddSaturatedAddedBits<Isa>(lit, Isa::SpecularWord(v) & kAddedBits);
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

// The sums of BlendWords(src, background, w), for a weight 0..255 given in
// both 16-bit halves of each word: R and B in the two halves of one, G in
// the low half of the other, each channel of the blend in its high byte.
template <int G>
struct BlendSums {
    typename Vectors<G>::U16 redBlue;
    typename Vectors<G>::U16 green;
};

template <typename Isa>
BlendSums<Isa::kGroup> BlendOverBackground(typename Vectors<Isa::kGroup>::U32 src,
                                         const BackgroundTerms<Isa::kGroup>& background,
                                         typename Vectors<Isa::kGroup>::U32 weights)
{
    using U16 = typename Vectors<Isa::kGroup>::U16;
    const U16 redBlue = ((U16)(src & 0x00FF00FFu) - background.redBlue) * (U16)weights + background.redBlueTimes255;
    const U16 green =
        ((U16)Isa::template Byte<1>(src) - background.green) * (U16)weights + background.greenTimes255;
    return {redBlue, green};
}

// The colour of one frame row before lighting, as LightColour takes it
// (redBlue and green): the background, with the picture row composited
// where it lies inside the picture and, while it blinks, the alternate
// picture over it where it covers it.
template <typename Isa>
void ComposeRow(const LitPictureJob& job, const BackgroundTerms<Isa::kGroup>& terms, std::int32_t y,
                std::uint32_t* redBlue, std::uint32_t* green)
{
    constexpr int G = Isa::kGroup;
    using U32 = typename Vectors<G>::U32;
    const std::uint32_t background = job.background;
    const std::int32_t py = y + job.pictureOffsetY;
    std::int32_t first = 0;
    std::int32_t end = 0;
    if (py >= 0 && py < kSize) {
        first = job.pictureOffsetX < 0 ? -job.pictureOffsetX : 0;
        end = job.pictureOffsetX > 0 ? kSize - job.pictureOffsetX : kSize;
    }
    for (std::int32_t x = 0; x < first; ++x) {
        redBlue[x] = background & 0x00FF00FFu;
        green[x] = (background >> 8) & 0xFFu;
    }
    for (std::int32_t x = end; x < kSize; ++x) {
        redBlue[x] = background & 0x00FF00FFu;
        green[x] = (background >> 8) & 0xFFu;
    }
    if (first == end)
        return;

    // Steps of G from `from` up to `to`, the last one moved back to end at
    // `to`; a range narrower than a step is widened into its neighbours.
    // Words outside the range that a step writes again are written once more
    // by the range that owns them, or hold the same value.
    const std::int32_t rowStart = py * kSize + job.pictureOffsetX;
    const auto compose = [&](std::int32_t from, std::int32_t to, auto blink) {
        if (to - from < G) {
            if (from + G <= end)
                to = from + G;
            else
                from = to - G;
        }
        for (std::int32_t step = from; step < to; step += G) {
            const std::int32_t x = step < to - G ? step : to - G;
            U32 f = Load<U32>(job.picture + rowStart + x);
            if constexpr (decltype(blink)::value) {
                const U32 g = Load<U32>(job.alternatePicture + rowStart + x);
                const BlendSums<G> over = BlendOverBackground<Isa>(g, terms, Isa::template ByteTwice<3>(g));
                f = (g & 0xFF000000u) != 0u ? (U32)((over.redBlue >> 8) | (over.green & 0xFF00u)) : f;
            }
            const BlendSums<G> sums = BlendOverBackground<Isa>(f, terms, Isa::template ByteTwice<2>(f));
            Store(redBlue + x, (U32)(sums.redBlue >> 8));
            Store(green + x, (U32)(sums.green >> 8));
        }
    };
    // The alternate picture only where it covers the picture; that range
    // comes last, so the words a widened range wrote there are replaced.
    std::int32_t coverFirst = end;
    std::int32_t coverEnd = end;
    if (job.blinkOn) {
        const ColumnSpan cover = job.alternateCover[py];
        coverFirst = cover.first - job.pictureOffsetX > first ? cover.first - job.pictureOffsetX : first;
        coverEnd = cover.end - job.pictureOffsetX < end ? cover.end - job.pictureOffsetX : end;
    }
    if (coverFirst >= coverEnd) {
        compose(first, end, std::false_type{});
        return;
    }
    if (first < coverFirst)
        compose(first, coverFirst, std::false_type{});
    if (coverEnd < end)
        compose(coverEnd, end, std::false_type{});
    compose(coverFirst, coverEnd, std::true_type{});
}

// The light of a step in single precision, where that settles k and s.
//
// The estimate x' of x = 220 d, the diffuse factor before its truncation,
// comes from the same floats as the literal double-precision d (u = 2^-24)
// and from the direction to the light before it was normalised, a =
// (lightX - x, lightY - y, 40) of small integers, with R, 220 times the
// reciprocal q of its length rounded to single precision: x' = R x ((a_z n_z
// + a_y n_y) + a_x n_x), each operation rounded to single precision or fused
// with the sum after it, which only drops a rounding. The literal d sums n_i
// l_i, where l_i is a_i q rounded to single precision. With P = q (|a_x n_x|
// + |a_y n_y| + |a_z n_z|), at most 1.0001, the sum is within 3.0001 u P / q
// of its exact value, R and the last product add 2u relative, and the
// literal rounding of each l_i u relative: x' / 220 lies within 6.0001 u P +
// 2^-52 < 3.58 x 10^-7 of d. So x' lies within 7.9 x 10^-5 of the literal x,
// and where d is 0.7 or more within a ratio of 5.12 x 10^-7 of it; clamping
// both at 0 keeps these bounds. It reads one plane of R where the unit
// directions take three, and needs no product by 220.
// - k: every value within m - 2^-17 of x' truncates alike where x' + m and
//   x' - m, each rounded (by at most 2^-17), truncate alike, and also where
//   x' - m rounded lies less than 1 - 2m above its truncation; either test
//   (TruncateWithin) with m = 2^-13 (> 7.9 x 10^-5 + 2^-17) therefore
//   gives the literal truncation.
// - s: y = x'^16 x 256 / 220^16 by four single-precision squarings, which
//   add a relative error below 15 x 2^-24 and stay finite (x'^16 < 3.1 x
//   10^37), then a product by the constant, rounded by a ratio below
//   2^-23, against the literal f x 256, whose rounding to single precision
//   adds 2^-24. Where the literal d is 0.7 or more, x'^16 lies within a
//   ratio of 8.2 x 10^-6 of x^16, and y within a ratio r < 9.3 x 10^-6 of
//   the literal value. Every value from y (1 - q) to y (1 + q), q = 3 x
//   2^-18 (> r + 2^-24 + 2 r^2), each bound rounded (by a ratio of at most
//   2^-24), truncates alike where those two bounds do (TruncateBetween);
//   that therefore gives the literal truncation. Where d is below 0.7, x' /
//   220 is below 0.7000004 and y (1 + q) below 0.86: both truncations are
//   0. The margin grows with y, as its error does, so that dim highlights
//   are rarely doubtful.
// A lane too near a step of either is doubtful; a step with a doubtful
// lane is worked in double precision instead. With random normals about
// one lane in 1,300 is.
template <typename Isa>
struct LightEstimate {
    typename Vectors<Isa::kGroup>::U32 k;
    typename Vectors<Isa::kGroup>::U32 v;
    typename Isa::Doubt doubtful;
};

// x' from R at `scale`; raisedNz holds a_z n_z rounded, ax a_x of the
// step's columns, and ay is a_y of the row: every product with a constant
// of the frame or the row comes from memory ready-made.
template <typename Isa>
typename Vectors<Isa::kGroup>::F32 EstimateDiffuse(const float* const n[3], const float* raisedNz, std::int32_t ni,
                                                   const float* scale, const float* ax, float ay)
{
    using F32 = typename Vectors<Isa::kGroup>::F32;
    const F32 nx = Load<F32>(n[0] + ni);
    const F32 ny = Load<F32>(n[1] + ni);
    const F32 sum = Isa::EstimateMultiplyAdd(ny, F32{} + ay, Load<F32>(raisedNz + ni));
    return Load<F32>(scale) * Isa::EstimateMultiplyAdd(nx, Load<F32>(ax), sum);
}

// 220^16 within a ratio of 3 x 2^-53: two exact squarings, two rounded;
// 220 is the factor of the diffuse scale.
constexpr double kFullDiffuseTo16 = [] {
    double power = LightingTables::kFullDiffuse;
    for (int i = 0; i < 4; ++i)
        power *= power;
    return power;
}();

// k and v from x', and where they are doubtful.
template <typename Isa>
LightEstimate<Isa> SettleLight(typename Vectors<Isa::kGroup>::F32 estimate)
{
    using F32 = typename Vectors<Isa::kGroup>::F32;
    using U32 = typename Vectors<Isa::kGroup>::U32;
    const F32 x = Isa::AtLeastZero(estimate);
    constexpr float kDiffuseMargin = 0x1p-13f;
    constexpr double kSpecularRatio = 0x3p-18;
    typename Isa::Doubt kDoubtful;
    const U32 k = Isa::TruncateWithin(x, kDiffuseMargin, kDoubtful);
    const F32 x2 = x * x;
    const F32 x4 = x2 * x2;
    const F32 x8 = x4 * x4;
    const F32 x16 = x8 * x8;
    // y (1 -+ q) as x'^16 times 256 (1 -+ q) / 220^16, one product each.
    constexpr float kBelow = static_cast<float>(256.0 * (1.0 - kSpecularRatio) / kFullDiffuseTo16);
    constexpr float kAbove = static_cast<float>(256.0 * (1.0 + kSpecularRatio) / kFullDiffuseTo16);
    typename Isa::Doubt sDoubtful;
    const U32 v = Isa::SpecularLevelsBetween(x16, kBelow, kAbove, sDoubtful);
    return {Isa::Twice(k), v, static_cast<typename Isa::Doubt>(kDoubtful | sDoubtful)};
}

// d and d^16 of half a step of pixels, in double precision as the literal
// code has them.
template <typename Isa>
struct HalfLight {
    typename Vectors<Isa::kGroup>::HalfF64 d;
    typename Vectors<Isa::kGroup>::HalfF64 d16;
};

// The unit vector towards the light, as Vector3::Normalize gives it, from
// its components a_x of the half's columns, a_y and a_z = 40: the squares
// and their sum are exact integers and the root and the quotient are
// correctly rounded, so every component is the same float. Worked out here,
// in the rare doubtful steps, rather than read from three tables that only
// they would read: the lighting tables are half the size without them.
template <typename Isa>
void LightDirection(const float* ax, float ay, typename Vectors<Isa::kGroup>::HalfF64 l[3])
{
    using V = Vectors<Isa::kGroup>;
    using F64 = typename V::HalfF64;
    const F64 x = Isa::Widen(Load<typename V::HalfF32>(ax));
    const F64 y = F64{} + static_cast<double>(ay);
    const F64 z = F64{} + static_cast<double>(LightingTables::kLightHeight);
    const F64 inverse = 1.0 / Isa::SquareRoot(x * x + y * y + z * z);
    l[0] = Isa::Widen(__builtin_convertvector(x * inverse, typename V::HalfF32));
    l[1] = Isa::Widen(__builtin_convertvector(y * inverse, typename V::HalfF32));
    l[2] = Isa::Widen(__builtin_convertvector(z * inverse, typename V::HalfF32));
}

// n points at the normal's three planes and ax at a_x of the columns, each
// at the half's first pixel; ay is a_y of the row.
template <typename Isa>
HalfLight<Isa> LightHalf(const float* const n[3], std::int32_t ni, const float* ax, float ay)
{
    using V = Vectors<Isa::kGroup>;
    using F32 = typename V::HalfF32;
    using F64 = typename V::HalfF64;
    const F64 nx = Isa::Widen(Load<F32>(n[0] + ni));
    const F64 ny = Isa::Widen(Load<F32>(n[1] + ni));
    const F64 nz = Isa::Widen(Load<F32>(n[2] + ni));
    F64 l[3];
    LightDirection<Isa>(ax, ay, l);
    // nz lz + ny ly, then + nx lx, every product exact. The light
    // direction and the normal are unit vectors to within the rounding of
    // their components, so d exceeds 1 by less than 2^-21; every d from 1
    // to 1.0002 gives k = 220 and s = 256, as d = 1 does, so d needs no
    // clamp from above.
    const F64 d = Isa::AtLeastZero(Isa::MultiplyAdd(nx, l[0], Isa::MultiplyAdd(nz, l[2], ny * l[1])));
    const F64 d2 = d * d;
    const F64 d4 = d2 * d2;
    const F64 d8 = d4 * d4;
    return {d, d8 * d8};
}

// The factors of a step, in double precision as the literal code has them.
template <typename Isa>
void ExactFactors(const float* const n[3], std::int32_t ni, const float* ax, float ay,
                  typename Vectors<Isa::kGroup>::U32& k, typename Vectors<Isa::kGroup>::U32& v)
{
    constexpr int G = Isa::kGroup;
    const HalfLight<Isa> low = LightHalf<Isa>(n, ni, ax, ay);
    const HalfLight<Isa> high = LightHalf<Isa>(n, ni + G / 2, ax + G / 2, ay);
    k = Isa::TruncateTwice(low.d * 220.0, high.d * 220.0);
    v = Isa::SpecularLevels(low.d16, high.d16);
}

template <typename Isa>
void DrawLitPicture(const LitPictureJob& job)
{
    constexpr int G = Isa::kGroup;
    using U32 = typename Vectors<G>::U32;
    const float* const normals[3] = {job.normalX, job.normalY, job.normalZ};
    std::uint32_t* const frame = job.frame;

    const BackgroundTerms<G> background(job.background);
    // a_x of every column, the same in every row: lightX - x.
    float ax[kSize];
    for (std::int32_t x = 0; x < kSize; ++x)
        ax[x] = static_cast<float>(job.lightX - x);
    std::uint32_t colourRedBlue[kSize];
    std::uint32_t colourGreen[kSize];
    for (std::int32_t y = 0; y < kSize; ++y) {
        ComposeRow<Isa>(job, background, y, colourRedBlue, colourGreen);
        const std::int32_t normalRow = y * kSize;
        const std::int32_t directionRow = y * kDirectionSpan;
        if (job.lightFieldUse == LightFieldUse::Use) {
            for (std::int32_t x = 0; x < kSize; x += G) {
                const U32 kept = Load<U32>(job.lightField + normalRow + x);
                Store(frame + normalRow + x,
                      LightColour<Isa>(Load<U32>(colourRedBlue + x), Load<U32>(colourGreen + x), kept & 0x00FF00FFu,
                                       Isa::template Byte<1>(kept)));
            }
            continue;
        }
        // k and v of the whole row first, then its colours: the estimates of
        // a row depend on nothing else, so the processor overlaps their long
        // chains of products. Three steps at a time give it independent
        // chains within an iteration; 240 is a multiple of three steps at
        // every width.
        std::uint32_t rowK[kSize];
        std::uint32_t rowV[kSize];
        const float ay = static_cast<float>(job.lightY - y);
        for (std::int32_t x = 0; x < kSize; x += 3 * G) {
            LightEstimate<Isa> light[3];
            for (int step = 0; step < 3; ++step) {
                const std::int32_t at = x + step * G;
                light[step] = SettleLight<Isa>(EstimateDiffuse<Isa>(normals, job.raisedNormalZ, normalRow + at,
                                                                    job.diffuseScale + directionRow + at, ax + at, ay));
            }
            for (int step = 0; step < 3; ++step) {
                const std::int32_t at = x + step * G;
                U32 k = light[step].k;
                U32 v = light[step].v;
                if (Isa::AnyLane(light[step].doubtful))
                    ExactFactors<Isa>(normals, normalRow + at, ax + at, ay, k, v);
                Store(rowK + at, k);
                Store(rowV + at, v);
            }
        }
        for (std::int32_t x = 0; x < kSize; x += G) {
            const U32 k = Load<U32>(rowK + x);
            const U32 v = Load<U32>(rowV + x);
            if (job.lightFieldUse == LightFieldUse::Keep)
                Store(job.lightField + normalRow + x, k | (v << 8));
            Store(frame + normalRow + x,
                  LightColour<Isa>(Load<U32>(colourRedBlue + x), Load<U32>(colourGreen + x), k, v));
        }
    }
}

// Runs step(target, source, coverage) over every group of a block's rows,
// coverage pointing at the group's values in a plane of one double per
// source pixel (null where there is none); a row's last partial group goes
// through zero-padded copies.
template <int G, typename Step>
void ForEachGroup(const BlockJob& blockJob, const double* coverage, Step step)
{
    using U32 = typename Vectors<G>::U32;
    // A copy: the stores into the frame could otherwise alias the job's
    // fields, which the loops would then read again after every group.
    const BlockJob job = blockJob;
    for (std::int32_t r = 0; r < job.height; ++r) {
        std::uint32_t* target = job.target + r * job.stride;
        const std::uint32_t* source = job.source + r * job.width;
        const double* rowCoverage = coverage ? coverage + r * job.width : nullptr;
        std::int32_t x = 0;
        for (; x + G <= job.width; x += G)
            Store(target + x, step(Load<U32>(target + x), Load<U32>(source + x), rowCoverage ? rowCoverage + x : nullptr));
        if (x < job.width) {
            const std::int32_t count = job.width - x;
            std::uint32_t targetWords[G] = {};
            std::uint32_t sourceWords[G] = {};
            double coverageValues[G] = {};
            __builtin_memcpy(targetWords, target + x, count * sizeof(std::uint32_t));
            __builtin_memcpy(sourceWords, source + x, count * sizeof(std::uint32_t));
            if (rowCoverage)
                __builtin_memcpy(coverageValues, rowCoverage + x, count * sizeof(double));
            Store(targetWords,
                  step(Load<U32>(targetWords), Load<U32>(sourceWords), rowCoverage ? coverageValues : nullptr));
            __builtin_memcpy(target + x, targetWords, count * sizeof(std::uint32_t));
        }
    }
}

template <typename Isa>
void AddSaturatedBlock(const BlockJob& job)
{
    using U32 = typename Vectors<Isa::kGroup>::U32;
    ForEachGroup<Isa::kGroup>(job, nullptr, [](U32 target, U32 source, const double*) {
        return AddSaturatedAddedBits<Isa>(target & kAddedBits, source & kAddedBits);
    });
}

template <typename Isa>
void BlendFadedBlock(const BlockJob& job, const double* coverage, double fade)
{
    constexpr int G = Isa::kGroup;
    using U32 = typename Vectors<G>::U32;
    using HalfF64 = typename Vectors<G>::HalfF64;
    // The weights trunc(c x fade), each product in double precision.
    ForEachGroup<G>(job, coverage, [fade](U32 target, U32 source, const double* c) {
        return BlendWords<Isa>(source, target,
                               Isa::TruncateTwice(Load<HalfF64>(c) * fade, Load<HalfF64>(c + G / 2) * fade));
    });
}

// Pixels first through the level's vector packing (PackRgbGroups), as far as
// its wider stores stay inside the output, then four at a time as three
// words, then one by one.
template <typename Isa>
void PackRgb(const std::uint32_t* pixels, std::uint8_t* rgb, std::int32_t count)
{
    std::int32_t i = Isa::PackRgbGroups(pixels, rgb, count);
    const auto arrange = [](std::uint32_t p) { return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16); };
    for (; i + 4 <= count; i += 4) {
        const std::uint32_t p0 = arrange(pixels[i]);
        const std::uint32_t p1 = arrange(pixels[i + 1]);
        const std::uint32_t p2 = arrange(pixels[i + 2]);
        const std::uint32_t p3 = arrange(pixels[i + 3]);
        Store(rgb + 3 * i, p0 | (p1 << 24));
        Store(rgb + 3 * i + 4, (p1 >> 8) | (p2 << 16));
        Store(rgb + 3 * i + 8, (p2 >> 16) | (p3 << 8));
    }
    for (; i < count; ++i) {
        rgb[3 * i] = static_cast<std::uint8_t>(pixels[i] >> 16);
        rgb[3 * i + 1] = static_cast<std::uint8_t>(pixels[i] >> 8);
        rgb[3 * i + 2] = static_cast<std::uint8_t>(pixels[i]);
    }
}

template <typename Isa>
constexpr FrameKernels MakeFrameKernels()
{
    return {DrawLitPicture<Isa>, AddSaturatedBlock<Isa>, BlendFadedBlock<Isa>, PackRgb<Isa>};
}

} // namespace
