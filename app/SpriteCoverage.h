#pragma once

#include "Bitmap.h"

// A sprite's coverages, its pixels' top bytes, as doubles, row by row: the
// form in which a particle's fade multiplies them. Made once the sprite is
// loaded, so that drawing a particle reads them where it would otherwise
// widen each of the sprite's bytes to a double for every particle.
class SpriteCoverage {
public:
    explicit SpriteCoverage(const Bitmap& sprite);
    ~SpriteCoverage();

    SpriteCoverage(const SpriteCoverage&) = delete;
    SpriteCoverage& operator=(const SpriteCoverage&) = delete;

    // sprite.width x sprite.height values.
    double* const values;
};
