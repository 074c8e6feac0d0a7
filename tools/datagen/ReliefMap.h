#pragma once

#include "DataImages.h"

namespace datagen {

// The normal map: a relief fixed to the frame, under the moving light.
DataImage DrawReliefMap();

}  // namespace datagen
