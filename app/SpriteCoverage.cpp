#include "SpriteCoverage.h"

#include <cstddef>

SpriteCoverage::SpriteCoverage(const Bitmap& sprite)
    : values(RequireBlock<double>(sprite.PixelCount(), "the sprite's coverages"))
{
    for (std::size_t i = 0; i < sprite.PixelCount(); ++i)
        values[i] = static_cast<double>(sprite.pixels[i] >> 24);
}
