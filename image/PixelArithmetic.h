#pragma once

#include <cstdint>

// Packed 0xAARRGGBB arithmetic shared by every effect. Both operations ignore
// the top bytes of their inputs and are exact to the bit, low-bit losses included.

// Per-channel add clipped at 255 with one addition: R and G keep seven bits
// (their lowest bit is masked off to make room for the carry of the channel
// below), B keeps eight. The top byte of the result is 1 when red saturated.
// Words is one pixel word or a vector of them. Internal linkage: the frame
// kernels compile it for several instruction sets, and no copy built for a
// wide one may stand in for another file's.
template <typename Words>
static inline Words AddSaturatedWords(Words a, Words b)
{
    const Words sum = (a & 0x00FEFEFFu) + (b & 0x00FEFEFFu);
    const Words overflow = sum & 0x01010100u;
    return sum | (overflow - (overflow >> 8));
}

inline std::uint32_t AddSaturated(std::uint32_t a, std::uint32_t b)
{
    return AddSaturatedWords(a, b);
}

// Per-channel (src * w + dst * (255 - w)) >> 8 for a weight 0..255; the
// weights sum to 255, so even w = 255 drops each non-zero channel by one.
inline std::uint32_t BlendPixel(std::uint32_t src, std::uint32_t dst, std::uint32_t w)
{
    const std::uint32_t v = 255 - w;
    const std::uint32_t r = (((src >> 16) & 0xFF) * w + ((dst >> 16) & 0xFF) * v) >> 8;
    const std::uint32_t g = (((src >> 8) & 0xFF) * w + ((dst >> 8) & 0xFF) * v) >> 8;
    const std::uint32_t b = ((src & 0xFF) * w + (dst & 0xFF) * v) >> 8;
    return (r << 16) | (g << 8) | b;
}
