#pragma once

#include "Bitmap.h"
#include "OutOfMemory.h"

// A sprite's coverages, its pixels' top bytes, as doubles, row by row: the
// form in which a particle's fade multiplies them. Made once the sprite is
// loaded, so that drawing a particle reads them where it would otherwise
// widen each of the sprite's bytes to a double for every particle.
class SpriteCoverage {
public:
    // Ends the process with a message when memory runs out.
    explicit SpriteCoverage(const Bitmap& sprite);

    // sprite.width x sprite.height values.
    const OwnedBlock<double> values;
};
