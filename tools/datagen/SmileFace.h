#pragma once

#include "DataImages.h"

namespace datagen {

// The smiling face that blinks in over the picture's sphere; its brightness
// is its coverage, black elsewhere.
DataImage DrawSmileFace();

}  // namespace datagen
