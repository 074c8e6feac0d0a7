#pragma once

#include <cstdint>

#include "AlternateCover.h"
#include "AnimationClock.h"
#include "Bitmap.h"
#include "LightingTables.h"

// What the lit picture pass derives from the clock once per frame.
struct FrameParameters {
    std::int32_t pictureOffsetX; // frame pixel (x, y) shows picture pixel (x + offset X, y + offset Y)
    std::int32_t pictureOffsetY;
    std::int32_t lightX;         // the light, 40 pixel units above the frame
    std::int32_t lightY;
    bool blinkOn;                // the alternate picture shows over the picture
    std::uint32_t tintPhase;     // 0..255 between the two background colours
    std::uint32_t background;    // the tinted background colour
};

// Whether two frames' parameters are alike in every field, and so their lit
// pictures.
bool operator==(const FrameParameters& a, const FrameParameters& b);

// Derives the offsets and the light from the elapsed time of the previous
// frame, reads the clock once to advance it, then derives the blink and the
// tint from the new reading.
FrameParameters AdvanceFrameParameters(AnimationClock& clock);

// Writes every pixel of the 240 x 240 frame: the background, the picture at
// its offset (the alternate picture blinking in), lit from the normal map by
// the light with a diffuse term and a cyan-tinted specular highlight. The
// normal map comes as the lighting tables prepared from it, and cover is
// that of the alternate picture.
void DrawLitPicture(Bitmap& frame, const Bitmap& picture, const Bitmap& alternatePicture,
                    const AlternateCover& cover, const LightingTables& lighting, const FrameParameters& parameters);
