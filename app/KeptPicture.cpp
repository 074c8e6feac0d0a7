#include "KeptPicture.h"

#include <cstdlib>
#include <cstring>

#include "LightingTables.h"
#include "OutOfMemory.h"

namespace {
constexpr std::size_t kPixels = LightingTables::kFrameSize * LightingTables::kFrameSize;
}

KeptPicture::KeptPicture()
    : pixels(static_cast<std::uint32_t*>(
          RequireAllocation(std::malloc(kPixels * sizeof(std::uint32_t)), "the kept picture")))
{
}

KeptPicture::~KeptPicture()
{
    std::free(pixels);
}

bool KeptPicture::Restore(const FrameParameters& parameters, Bitmap& frame)
{
    if (!frameOverKept || !(parameters == kept))
        return false;
    for (int i = 0; i < coveredCount; ++i) {
        const DrawnBlock& block = covered[i];
        for (std::int32_t r = 0; r < block.height; ++r) {
            const std::int32_t at = block.first + r * frame.width;
            std::memcpy(frame.pixels + at, pixels + at, block.width * sizeof(std::uint32_t));
        }
    }
    coveredCount = 0;
    previous = parameters;
    return true;
}

void KeptPicture::Drawn(const FrameParameters& parameters, const Bitmap& frame)
{
    frameOverKept = parameters == previous;
    if (frameOverKept) {
        std::memcpy(pixels, frame.pixels, kPixels * sizeof(std::uint32_t));
        kept = parameters;
    }
    coveredCount = 0;
    previous = parameters;
}

void KeptPicture::Cover(const DrawnBlock& block)
{
    if (coveredCount == kMostBlocks) {
        frameOverKept = false;
        return;
    }
    covered[coveredCount++] = block;
}
