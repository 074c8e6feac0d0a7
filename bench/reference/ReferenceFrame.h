#pragma once

#include <cstdint>

#include "Bitmap.h"
#include "DemoProgram.h"
#include "LitPicture.h"
#include "Particle.h"

// The frame's effects computed literally, one pixel at a time, exactly as the
// demo's drawing is defined. The fast drawing must give the same bytes.

// Every pixel of the lit picture, lit straight from the raw normal map.
void ReferenceDrawLitPicture(Bitmap& frame, const Bitmap& picture, const Bitmap& alternatePicture,
                             const Bitmap& normalMap, const FrameParameters& parameters);

void ReferenceAddFlare(Bitmap& frame, const Bitmap& flare, std::int32_t lightX, std::int32_t lightY);

void ReferenceDrawParticle(Bitmap& frame, const Bitmap& sprite, const Particle& particle);

// Moves and draws each particle of the fountain in index order.
void ReferenceParticlePass(Bitmap& frame, const Bitmap& sprite);

// A whole frame of the demo into demo.frame, from demo.normalMap as loaded.
void ReferenceDrawFrame(Demo& demo);
