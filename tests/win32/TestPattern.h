#pragma once

#include <cstdint>

// A 240 x 240 picture in which neighbouring pixels differ, so that a shift,
// a flip or a wrong row pitch shows in a screenshot: red follows x, green
// follows y, blue mixes both.
constexpr std::int32_t kPatternSize = 240;

inline std::uint32_t PatternPixel(std::int32_t x, std::int32_t y)
{
    return 0xFF000000u | (static_cast<std::uint32_t>(x) << 16) | (static_cast<std::uint32_t>(y) << 8) |
           (static_cast<std::uint32_t>(x * 7 + y * 13) & 0xFF);
}
