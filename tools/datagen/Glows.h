#pragma once

#include "DataImages.h"

namespace datagen {

// Radial glows that reach exactly zero before their border, so that their
// outer rings of pixels stay black: the flare, added over the frame near the
// light, and the spark sprite of the fountain, whose brightness is its
// coverage.
DataImage DrawFlare();
DataImage DrawSpark();

}  // namespace datagen
