#pragma once

#include <cstdint>

#include "FrameKernels.h"
#include "OutOfMemory.h"

// The diffuse factor k and the specular level v of every frame pixel under
// one light position. They depend on nothing but the light and the normal
// map of the lighting tables that hold the field, so while the light stays
// where it was they can be kept from one frame and used in the next, with
// the same frame as the result. The light moves by whole pixels and, at thousands of frames a
// second, stays put for dozens of frames; at 60 frames a second it moves
// almost every frame, and then nothing is kept.
class LightField {
public:
    // Ends the process with a message when memory runs out.
    LightField();

    // What the frame does with the field for a light at (lightX, lightY):
    // use it when it holds that light; keep it when the light stands where
    // it stood in the previous frame (and so may stay); else neither. Call
    // once per frame.
    LightFieldUse UseFor(std::int32_t lightX, std::int32_t lightY);

    // k, v and k in the low three bytes of each pixel's word.
    const OwnedBlock<std::uint32_t> factors;

private:
    std::int32_t previousX = -1;
    std::int32_t previousY = -1;
    std::int32_t keptX = -1;
    std::int32_t keptY = -1;
};
