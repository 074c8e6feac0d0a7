#include "SpriteCoverage.h"

#include <cstddef>
#include <cstdlib>

#include "OutOfMemory.h"

// A block for no values may be null, which would read as memory run out:
// one value at least.
SpriteCoverage::SpriteCoverage(const Bitmap& sprite)
    : values(static_cast<double*>(RequireAllocation(
          std::malloc((sprite.PixelCount() > 0 ? sprite.PixelCount() : 1) * sizeof(double)), "the sprite's coverages")))
{
    for (std::size_t i = 0; i < sprite.PixelCount(); ++i)
        values[i] = static_cast<double>(sprite.pixels[i] >> 24);
}

SpriteCoverage::~SpriteCoverage()
{
    std::free(values);
}
