#pragma once

#include <cstdint>

#include "Bitmap.h"

// Adds the flare into the frame with per-channel saturation, its top-left
// corner 92 pixels left of and above the light. For a light in 120..240 it
// always lies inside a 240 x 240 frame.
void AddFlare(Bitmap& frame, const Bitmap& flare, std::int32_t lightX, std::int32_t lightY);
