#include "Flare.h"

#include "FrameKernels.h"

namespace {
constexpr std::int32_t kFlareOffset = 92;
}

void AddFlare(Bitmap& frame, const Bitmap& flare, std::int32_t lightX, std::int32_t lightY)
{
    const std::int32_t left = lightX - kFlareOffset;
    const std::int32_t top = lightY - kFlareOffset;
    const BlockJob job{frame.pixels + top * frame.width + left, frame.width, flare.pixels, flare.width, flare.height};
    ActiveFrameKernels().addSaturatedBlock(job);
}
