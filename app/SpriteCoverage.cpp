#include "SpriteCoverage.h"

#include <cstddef>
#include <cstdlib>

#include "OutOfMemory.h"

namespace {

std::size_t PixelCount(const Bitmap& sprite)
{
    return static_cast<std::size_t>(sprite.width) * static_cast<std::size_t>(sprite.height);
}

} // namespace

// A block for no values may be null, which would read as memory run out:
// one value at least.
SpriteCoverage::SpriteCoverage(const Bitmap& sprite)
    : values(static_cast<double*>(RequireAllocation(
          std::malloc((PixelCount(sprite) > 0 ? PixelCount(sprite) : 1) * sizeof(double)), "the sprite's coverages")))
{
    for (std::size_t i = 0; i < PixelCount(sprite); ++i)
        values[i] = static_cast<double>(sprite.pixels[i] >> 24);
}

SpriteCoverage::~SpriteCoverage()
{
    std::free(values);
}
