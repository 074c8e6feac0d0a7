#include "SpriteCoverage.h"

#include <cstddef>
#include <cstdlib>

#include "OutOfMemory.h"

SpriteCoverage::SpriteCoverage(const Bitmap& sprite)
{
    const std::size_t count = static_cast<std::size_t>(sprite.width) * static_cast<std::size_t>(sprite.height);
    // A block for no values may be null, which would read as memory run out.
    values = static_cast<double*>(
        RequireAllocation(std::malloc((count > 0 ? count : 1) * sizeof(double)), "the sprite's coverages"));
    for (std::size_t i = 0; i < count; ++i)
        values[i] = static_cast<double>(sprite.pixels[i] >> 24);
}

SpriteCoverage::~SpriteCoverage()
{
    std::free(values);
}
