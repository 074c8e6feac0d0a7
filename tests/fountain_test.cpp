#include <gtest/gtest.h>

#include <vector>

#include "FilledBitmap.h"
#include "Flare.h"
#include "Particle.h"
#include "PixelArithmetic.h"
#include "Random15.h"

namespace {

Particle At(float x, float y, float vx, float vy)
{
    Particle particle;
    particle.x = x;
    particle.y = y;
    particle.vx = vx;
    particle.vy = vy;
    particle.ax = 0.0f;
    particle.ay = 1.0f;
    return particle;
}

} // namespace

// Runs first in this program: static initialisation has drawn numbers 1 to 32.
TEST(Fountain, IsBuiltFromTheGeneratorBeforeMain)
{
    EXPECT_EQ(fountain[0].x, 120.0f);
    EXPECT_EQ(fountain[0].y, 120.0f);
    EXPECT_EQ(fountain[0].vx, -3.359375f); // (41 & 511) - 256 = -215, / 64
    EXPECT_EQ(fountain[0].vy, -0.875f);    // -(18467 & 511) = -35, x 0.025
    EXPECT_EQ(fountain[0].ax, 0.0f);
    EXPECT_EQ(fountain[0].ay, 1.0f);
    EXPECT_EQ(fountain[1].vx, static_cast<float>(((6334 & 511) - 256) / 64.0));

    std::uint32_t state = 1;
    for (int i = 0; i < 2 * kFountainSize; ++i)
        state = state * 214013u + 2531011u;
    EXPECT_EQ(random15State, state);
}

TEST(Random15, FollowsItsSequence)
{
    random15State = 1;
    EXPECT_EQ(Random15(), 41u);
    EXPECT_EQ(Random15(), 18467u);
    EXPECT_EQ(Random15(), 6334u);
    EXPECT_EQ(Random15(), 26500u);
    random15State = 0xFFFFFFFFu;
    EXPECT_LE(Random15(), 32767u);
}

TEST(UpdateParticle, MovesWithLastFramesVelocity)
{
    Particle particle = At(120.0f, 120.0f, -3.359375f, -0.875f);
    UpdateParticle(particle);
    EXPECT_EQ(particle.x, 116.640625f);
    EXPECT_EQ(particle.y, 119.125f);
    EXPECT_EQ(particle.vx, -3.359375f);
    EXPECT_EQ(particle.vy, 0.125f);

    Particle edge = At(10.0f, 200.0f, 1.0f, 8.0f);
    UpdateParticle(edge); // exactly 208 stays
    EXPECT_EQ(edge.y, 208.0f);
    EXPECT_EQ(edge.vy, 9.0f);
}

TEST(UpdateParticle, RespawnsBelowRow208WithoutAdvancingTheVelocity)
{
    Particle particle = At(30.0f, 205.0f, 2.0f, 10.0f);
    particle.ax = 5.0f;
    random15State = 1;
    UpdateParticle(particle);
    EXPECT_EQ(particle.x, 120.0f);
    EXPECT_EQ(particle.y, 120.0f);
    EXPECT_EQ(particle.vx, -3.359375f);
    EXPECT_EQ(particle.vy, -0.875f);
    EXPECT_EQ(particle.ax, 0.0f);
    EXPECT_EQ(particle.ay, 1.0f);
}

TEST(DrawParticle, BlendsTheWholeSpriteByFadedCoverage)
{
    Bitmap frame, sprite;
    Fill(frame, 240, 240, 0x00406080);
    Fill(sprite, 32, 32, 0x00000000);
    sprite.pixels[0] = 0xFFFFFFFF;           // top-left, full coverage
    sprite.pixels[16 * 32 + 16] = 0x80FF0000; // centre

    const Particle particle = At(116.640625f, 119.125f, 0.0f, 0.0f);
    DrawParticle(frame, sprite, SpriteCoverage(sprite), particle);

    const double fade = 1.0 - 119.125 * static_cast<double>(0.0041666f);
    EXPECT_EQ(frame.pixels[103 * 240 + 100], BlendPixel(0xFFFFFFFF, 0x00406080, static_cast<std::uint32_t>(fade * 255)));
    EXPECT_EQ(frame.pixels[119 * 240 + 116], BlendPixel(0x80FF0000, 0x00406080, static_cast<std::uint32_t>(fade * 128)));
    // Coverage 0 still rewrites the pixel one level darker; outside the square nothing changes.
    EXPECT_EQ(frame.pixels[110 * 240 + 110], 0x003F5F7Fu);
    EXPECT_EQ(frame.pixels[134 * 240 + 131], 0x003F5F7Fu);
    EXPECT_EQ(frame.pixels[102 * 240 + 110], 0x00406080u);
    EXPECT_EQ(frame.pixels[110 * 240 + 99], 0x00406080u);
    EXPECT_EQ(frame.pixels[135 * 240 + 110], 0x00406080u);
    EXPECT_EQ(frame.pixels[110 * 240 + 132], 0x00406080u);
}

TEST(DrawParticle, RespawnedParticleHasHalfWeightAndSidesWrapByLinearIndex)
{
    Bitmap frame, sprite;
    Fill(frame, 240, 240, 0);
    Fill(sprite, 32, 32, 0xFFFFFFFF);
    const SpriteCoverage coverage(sprite);
    DrawParticle(frame, sprite, coverage, At(120.0f, 120.0f, 0.0f, 0.0f));
    EXPECT_EQ(frame.pixels[120 * 240 + 120], BlendPixel(0xFFFFFFFF, 0, 127)); // fade 0.5000080

    Fill(frame, 240, 240, 0);
    DrawParticle(frame, sprite, coverage, At(-0.5f, 100.0f, 0.0f, 0.0f)); // truncates to column 0, not -1
    // Columns -16..-1 of row 84 land at the right end of row 83; columns 0..15 on row 84 itself.
    EXPECT_NE(frame.pixels[83 * 240 + 224], 0u);
    EXPECT_EQ(frame.pixels[83 * 240 + 223], 0u);
    EXPECT_NE(frame.pixels[84 * 240 + 15], 0u);
    EXPECT_EQ(frame.pixels[84 * 240 + 16], 0u);
    EXPECT_NE(frame.pixels[114 * 240 + 239], 0u); // last sprite row wraps too
    EXPECT_EQ(frame.pixels[115 * 240 + 16], 0u);
}

TEST(AddFlare, AddsNearTheLightAndMaySetTheRedOverflowBit)
{
    Bitmap frame, flare;
    Fill(frame, 240, 240, 0x00808080);
    Fill(flare, 64, 64, 0x00102030);
    flare.pixels[0] = 0xFF808080;
    AddFlare(frame, flare, 120, 120);

    EXPECT_EQ(frame.pixels[28 * 240 + 28], 0x01FFFFFFu); // the flare's top byte never reaches the frame
    EXPECT_EQ(frame.pixels[28 * 240 + 29], AddSaturated(0x00808080, 0x00102030));
    EXPECT_EQ(frame.pixels[91 * 240 + 91], AddSaturated(0x00808080, 0x00102030));
    EXPECT_EQ(frame.pixels[27 * 240 + 28], 0x00808080u);
    EXPECT_EQ(frame.pixels[28 * 240 + 27], 0x00808080u);
    EXPECT_EQ(frame.pixels[92 * 240 + 91], 0x00808080u);
    EXPECT_EQ(frame.pixels[91 * 240 + 92], 0x00808080u);

    Fill(frame, 240, 240, 0);
    AddFlare(frame, flare, 240, 240); // the far corner still fits
    EXPECT_EQ(frame.pixels[211 * 240 + 211], 0x00102030u);
}
