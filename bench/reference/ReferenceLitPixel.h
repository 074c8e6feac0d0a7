#pragma once

#include <cmath>
#include <cstdint>

#include "PixelArithmetic.h"
#include "Vector3.h"

// The lighting of one pixel, computed literally: two normalisations, a
// double-precision dot product and four squarings. The normal is the
// normal-map word's R, G and B as they are; the light lies (toLightX,
// toLightY) pixels away and 40 above. A black normal has no direction and
// gives 0.
inline std::uint32_t ReferenceLightPixel(std::uint32_t colour, std::uint32_t normalWord, std::int32_t toLightX,
                                std::int32_t toLightY)
{
    Vector3 normal{static_cast<float>((normalWord >> 16) & 0xFF), static_cast<float>((normalWord >> 8) & 0xFF),
                   static_cast<float>(normalWord & 0xFF)};
    normal.Normalize();
    Vector3 light{static_cast<float>(toLightX), static_cast<float>(toLightY), 40.0f};
    light.Normalize();

    double d = Dot(normal, light);
    if (d < 0.0 || std::isnan(d))
        d = 0.0;
    if (d > 1.0)
        d = 1.0;

    const std::uint32_t k = static_cast<std::uint32_t>(d * 220.0);
    const double d2 = d * d;
    const double d4 = d2 * d2;
    const double d8 = d4 * d4;
    const float d16 = static_cast<float>(d8 * d8);
    const std::uint32_t s = static_cast<std::uint32_t>(d16 * 256.0);
    const std::uint32_t v = (s * 255) >> 8;

    const std::uint32_t lit = ((((colour >> 16) & 0xFF) * k >> 8) << 16) | ((((colour >> 8) & 0xFF) * k >> 8) << 8) |
                              ((colour & 0xFF) * k >> 8);
    return AddSaturated(lit, v * 257);
}
