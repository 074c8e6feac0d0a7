#include "Flare.h"

#include "PixelArithmetic.h"

namespace {
constexpr std::int32_t kFlareOffset = 92;
}

void AddFlare(Bitmap& frame, const Bitmap& flare, std::int32_t lightX, std::int32_t lightY)
{
    const std::int32_t left = lightX - kFlareOffset;
    const std::int32_t top = lightY - kFlareOffset;
    for (std::int32_t r = 0; r < flare.height; ++r) {
        std::uint32_t* target = frame.pixels + (top + r) * frame.width + left;
        const std::uint32_t* source = flare.pixels + r * flare.width;
        for (std::int32_t j = 0; j < flare.width; ++j)
            target[j] = AddSaturated(target[j], source[j]);
    }
}
