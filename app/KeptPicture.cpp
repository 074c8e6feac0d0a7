#include "KeptPicture.h"

#include <cstring>

#include "LightingTables.h"

KeptPicture::KeptPicture() : pixels(RequireBlock<std::uint32_t>(LightingTables::kFramePixels, "the kept picture")) {}

bool KeptPicture::Restore(const FrameParameters& parameters, Bitmap& frame)
{
    if (!frameOverKept || !(parameters == kept))
        return false;
    for (int i = 0; i < coveredCount; ++i) {
        const DrawnBlock& block = covered[i];
        for (std::int32_t r = 0; r < block.height; ++r) {
            const std::int32_t at = block.first + r * frame.width;
            std::memcpy(frame.pixels + at, pixels.get() + at, block.width * sizeof(std::uint32_t));
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
        std::memcpy(pixels.get(), frame.pixels, LightingTables::kFramePixels * sizeof(std::uint32_t));
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
