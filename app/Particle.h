#pragma once

#include "Bitmap.h"
#include "DrawnBlock.h"
#include "SpriteCoverage.h"

// One spark of the fountain. Position in frame pixels (y grows downward);
// velocity and acceleration per frame, not per second.
struct Particle {
    // Spawns at (120, 120) with a random velocity: two Random15 draws, vx first.
    Particle();

    float x;
    float y;
    float vx;
    float vy;
    float ax;
    float ay;
};

constexpr int kFountainSize = 16;

// Built by static initialisation, in index order, before the entry point runs.
extern Particle fountain[kFountainSize];

// Moves the particle one step with last frame's velocity, then advances the
// velocity, or respawns the particle when it fell below row 208.
void UpdateParticle(Particle& particle);

// Blends the sprite, centred on the particle, into the frame by the sprite's
// coverage (made from this sprite) faded with height. The destination is
// addressed by linear index, unclipped: a sprite past a side edge continues
// on the neighbouring row. Returns the block it drew over.
DrawnBlock DrawParticle(Bitmap& frame, const Bitmap& sprite, const SpriteCoverage& coverage,
                        const Particle& particle);
