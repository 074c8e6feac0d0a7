// The fast frame against the literal one, on every kernel level this
// processor runs: the same bytes, frame after frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "Flare.h"
#include "FrameKernels.h"
#include "LitPicture.h"
#include "Particle.h"
#include "Random15.h"
#include "RandomScene.h"
#include "ReferenceFrame.h"
#include "SimdLevel.h"

namespace {

struct FountainState {
    Particle particles[kFountainSize];
    std::uint32_t random;
};

FountainState SaveFountain()
{
    FountainState state;
    std::memcpy(state.particles, fountain, sizeof fountain);
    state.random = random15State;
    return state;
}

void RestoreFountain(const FountainState& state)
{
    std::memcpy(fountain, state.particles, sizeof fountain);
    random15State = state.random;
}

bool SameFountain(const FountainState& a, const FountainState& b)
{
    return a.random == b.random && std::memcmp(a.particles, b.particles, sizeof a.particles) == 0;
}

// Empty when the two images are equal, else where and how they first differ.
std::string FirstDifference(const Bitmap& actual, const Bitmap& expected)
{
    for (std::int32_t i = 0; i < expected.width * expected.height; ++i) {
        if (actual.pixels[i] != expected.pixels[i]) {
            char text[96];
            std::snprintf(text, sizeof text, "pixel (%d, %d) is %08X, expected %08X", i % expected.width,
                          i / expected.width, actual.pixels[i], expected.pixels[i]);
            return text;
        }
    }
    return "";
}

// A clock that advances by the given steps in turn, wrapping at 2^32.
MillisecondClock SteppingClock(std::uint32_t start, std::vector<std::uint32_t> steps)
{
    return [now = start, steps, next = std::size_t{0}]() mutable {
        const std::uint32_t reading = now;
        now += steps[next];
        next = (next + 1) % steps.size();
        return reading;
    };
}

// Fills target with the first pixels of a larger source.
void CopyPixels(Bitmap& target, const Bitmap& source)
{
    std::memcpy(target.pixels, source.pixels, sizeof(std::uint32_t) * target.width * target.height);
}

class FrameExactness : public ::testing::TestWithParam<SimdLevel> {
protected:
    void SetUp() override
    {
        if (!CanRunSimdLevel(GetParam()))
            GTEST_SKIP() << SimdLevelName(GetParam()) << " does not run here";
        previousLevel = SelectedSimdLevel();
        fountainBefore = SaveFountain();
        ASSERT_TRUE(SelectSimdLevel(GetParam()));
    }

    void TearDown() override
    {
        SelectSimdLevel(previousLevel);
        RestoreFountain(fountainBefore);
    }

    // Draws frames of two scenes with the same random images, one fast and
    // one literal, each from the same fountain state and clock readings.
    void ExpectSameFrames(std::uint32_t seed, const MillisecondClock& clock, int frames)
    {
        RandomScene fast(seed, clock);
        RandomScene literal(seed, clock);
        for (int k = 0; k < frames; ++k) {
            const FountainState before = SaveFountain();
            ReferenceDrawFrame(literal.demo);
            const FountainState after = SaveFountain();
            RestoreFountain(before);
            DrawFrame(fast.demo);

            ASSERT_EQ(FirstDifference(*fast.demo.frame, *literal.demo.frame), "") << "frame " << k;
            ASSERT_TRUE(SameFountain(SaveFountain(), after)) << "frame " << k;
            ASSERT_EQ(fast.demo.clock.elapsed, literal.demo.clock.elapsed) << "frame " << k;
        }
    }

    SimdLevel previousLevel = SimdLevel::Baseline;
    FountainState fountainBefore{};
};

TEST_P(FrameExactness, FramesMatchAcrossTheClockWrapAndUnevenFrameIntervals)
{
    // Starts 1 s before the millisecond count wraps at 2^32; frame intervals
    // from none to a second, the alternate picture blinking in and out.
    ExpectSameFrames(1, SteppingClock(0xFFFFFC00u, {16, 17, 0, 1, 33, 250, 5, 1000}), 150);
}

TEST_P(FrameExactness, FramesMatchOverRunsOfOneClockReading)
{
    // Many frames on one reading of the millisecond clock, as at thousands
    // of frames a second: the lit picture stays while the fountain moves on.
    // Each run ends where the reading moves on by 1 ms, which leaves some
    // parameters as they were, or by more.
    ExpectSameFrames(9, SteppingClock(5000u, {0, 0, 0, 0, 0, 1, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 300, 0, 16}), 200);
}

TEST_P(FrameExactness, FramesMatchAfterHugeClockJumps)
{
    // Hours between readings: large, then negative, elapsed times.
    ExpectSameFrames(2, SteppingClock(12345u, {0x01234567u, 0x3F00001u, 0x80000000u}), 40);
}

TEST_P(FrameExactness, LitPictureMatchesForEveryExtremeOfLightAndOffset)
{
    RandomScene fast(3, [] { return 0u; });
    RandomScene literal(3, [] { return 0u; });
    const std::int32_t lights[] = {120, 177, 240};
    const std::int32_t offsets[][2] = {{-60, -60}, {60, 60}, {-60, 60}, {0, 0}, {37, -13}};
    std::uint32_t background = 0x003E3E7E;
    for (std::int32_t lightX : lights) {
        for (std::int32_t lightY : lights) {
            for (const auto& offset : offsets) {
                for (bool blinkOn : {false, true}) {
                    background = background * 2654435761u >> 8;
                    const FrameParameters parameters{offset[0], offset[1], lightX, lightY, blinkOn, 0, background};
                    DrawLitPicture(*fast.demo.frame, *fast.demo.picture, *fast.demo.alternatePicture,
                                   *fast.demo.alternateCover, *fast.demo.lighting, parameters);
                    ReferenceDrawLitPicture(*literal.demo.frame, *literal.demo.picture,
                                            *literal.demo.alternatePicture, *literal.demo.normalMap, parameters);
                    ASSERT_EQ(FirstDifference(*fast.demo.frame, *literal.demo.frame), "")
                        << "light " << lightX << ", " << lightY << " offset " << offset[0] << ", " << offset[1]
                        << (blinkOn ? " blinking" : "");
                }
            }
        }
    }
}

TEST_P(FrameExactness, LitPictureMatchesWhereTheAlternatePictureCoversPartOfEachRow)
{
    // Each row of the alternate picture covers one run of columns, from none
    // to the whole row, narrower and wider than a step, at either edge and
    // inside, with holes of no coverage in it; the picture's offsets move
    // the runs partly or wholly out of the frame.
    RandomScene fast(8, [] { return 0u; });
    RandomScene literal(8, [] { return 0u; });
    const std::int32_t widths[] = {0, 1, 2, 3, 5, 7, 8, 9, 15, 16, 17, 31, 33, 64, 100, 239, 240};
    for (std::int32_t y = 0; y < 240; ++y) {
        const std::int32_t width = widths[y % 17];
        const std::int32_t first = (y * 37) % (241 - width);
        for (std::int32_t x = 0; x < 240; ++x) {
            std::uint32_t& pixel = literal.demo.alternatePicture->pixels[y * 240 + x];
            if (x < first || x >= first + width || (x - first) % 11 == 4)
                pixel &= 0x00FFFFFFu;
            else
                pixel |= 0x01000000u;
            fast.demo.alternatePicture->pixels[y * 240 + x] = pixel;
        }
    }
    const AlternateCover cover(*fast.demo.alternatePicture);
    const std::int32_t offsets[][2] = {{-60, -60}, {60, 60}, {-60, 60}, {0, 0}, {37, -13}, {-1, 1}, {-59, 7}};
    for (const auto& offset : offsets) {
        const FrameParameters parameters{offset[0], offset[1], 177, 208, true, 0, 0x003E3E7Eu};
        DrawLitPicture(*fast.demo.frame, *fast.demo.picture, *fast.demo.alternatePicture, cover, *fast.demo.lighting,
                       parameters);
        ReferenceDrawLitPicture(*literal.demo.frame, *literal.demo.picture, *literal.demo.alternatePicture,
                                *literal.demo.normalMap, parameters);
        ASSERT_EQ(FirstDifference(*fast.demo.frame, *literal.demo.frame), "")
            << "offset " << offset[0] << ", " << offset[1];
    }
}

TEST_P(FrameExactness, LitPictureMatchesWhereNormalsFaceTheLight)
{
    // Up and left of the light the normal (R, G, B) is the way to the light,
    // (lightX - x, lightY - y, 40), or that scaled up as far as 255 allows
    // and rounded: normalised, it is the light direction itself or a
    // rounding away from it, so d lies at 1 or just beside it, where k
    // reaches 220 and s 256 and the steps below them lie close together.
    // The rest of the normal map stays random.
    RandomScene fast(6, [] { return 0u; });
    RandomScene literal(6, [] { return 0u; });
    for (const auto& light : {std::make_pair(120, 120), std::make_pair(208, 208), std::make_pair(240, 240),
                              std::make_pair(239, 177)}) {
        Bitmap& normals = *literal.demo.normalMap;
        for (std::int32_t y = 0; y < 240; ++y) {
            for (std::int32_t x = 0; x < 240; ++x) {
                const std::int32_t dx = light.first - x;
                const std::int32_t dy = light.second - y;
                if (dx < 0 || dy < 0 || dx > 255 || dy > 255)
                    continue;
                double scale = 1.0;
                if ((x + y) % 2 != 0)
                    scale = 255.0 / std::max({dx, dy, 40});
                const auto channel = [scale](std::int32_t c) {
                    return static_cast<std::uint32_t>(c * scale + 0.5);
                };
                normals.pixels[y * 240 + x] = (channel(dx) << 16) | (channel(dy) << 8) | channel(40);
            }
        }
        const LightingTables tables(normals);
        const FrameParameters parameters{0, 0, light.first, light.second, false, 0, 0x003E3E7Eu};
        DrawLitPicture(*fast.demo.frame, *fast.demo.picture, *fast.demo.alternatePicture, *fast.demo.alternateCover,
                       tables, parameters);
        ReferenceDrawLitPicture(*literal.demo.frame, *literal.demo.picture, *literal.demo.alternatePicture, normals,
                                parameters);
        ASSERT_EQ(FirstDifference(*fast.demo.frame, *literal.demo.frame), "")
            << "light " << light.first << ", " << light.second;
        // The case is there: the full highlight (v = 255 in G and B).
        const std::uint32_t* pixels = literal.demo.frame->pixels;
        EXPECT_TRUE(std::any_of(pixels, pixels + 240 * 240, [](std::uint32_t p) { return (p & 0xFFFF) == 0xFFFF; }));
    }
}

TEST_P(FrameExactness, RgbPackingGivesEachPixelsBytesForEveryCount)
{
    std::mt19937 random(7);
    std::vector<std::uint32_t> pixels(300);
    for (std::uint32_t& pixel : pixels)
        pixel = random();
    std::vector<std::int32_t> counts(80);
    for (std::int32_t i = 0; i < 80; ++i)
        counts[i] = i;
    counts.push_back(300);
    for (std::int32_t count : counts) {
        // Exactly the bytes needed: the address sanitizer sees any write past them.
        std::vector<std::uint8_t> rgb(3 * count);
        ActiveFrameKernels().packRgb(pixels.data(), rgb.data(), count);
        for (std::int32_t i = 0; i < count; ++i) {
            const std::uint32_t p = pixels[i];
            ASSERT_EQ(rgb[3 * i], static_cast<std::uint8_t>(p >> 16)) << "pixel " << i << " of " << count;
            ASSERT_EQ(rgb[3 * i + 1], static_cast<std::uint8_t>(p >> 8)) << "pixel " << i << " of " << count;
            ASSERT_EQ(rgb[3 * i + 2], static_cast<std::uint8_t>(p)) << "pixel " << i << " of " << count;
        }
    }
}

TEST_P(FrameExactness, FlareAndSpritesMatchAtTheEdgesOfTheirRange)
{
    RandomScene fast(4, [] { return 0u; });
    RandomScene literal(4, [] { return 0u; });
    for (std::int32_t light : {120, 240}) {
        AddFlare(*fast.demo.frame, *fast.demo.flare, light, 360 - light);
        ReferenceAddFlare(*literal.demo.frame, *literal.demo.flare, light, 360 - light);
        ASSERT_EQ(FirstDifference(*fast.demo.frame, *literal.demo.frame), "") << "flare at " << light;
    }
    // The fountain reaches columns -8 to 247.5 and rows 31.92 to 208.
    for (float x : {-8.0f, -0.5f, 0.75f, 120.0f, 247.5f}) {
        for (float y : {31.92f, 120.0f, 207.99f, 208.0f}) {
            Particle particle;
            particle.x = x;
            particle.y = y;
            DrawParticle(*fast.demo.frame, *fast.demo.particleSprite, *fast.demo.spriteCoverage, particle);
            ReferenceDrawParticle(*literal.demo.frame, *literal.demo.particleSprite, particle);
            ASSERT_EQ(FirstDifference(*fast.demo.frame, *literal.demo.frame), "") << "particle at " << x << ", " << y;
        }
    }
}

TEST_P(FrameExactness, BlocksOfAnyWidthMatch)
{
    RandomScene fast(5, [] { return 0u; });
    RandomScene literal(5, [] { return 0u; });
    Bitmap flare;
    Bitmap sprite;
    for (std::int32_t width : {1, 3, 13, 35}) {
        flare.Resize(width, 5);
        sprite.Resize(width, 7);
        CopyPixels(flare, *fast.demo.picture);
        CopyPixels(sprite, *fast.demo.alternatePicture);
        AddFlare(*fast.demo.frame, flare, 150, 130);
        ReferenceAddFlare(*literal.demo.frame, flare, 150, 130);
        Particle particle;
        DrawParticle(*fast.demo.frame, sprite, SpriteCoverage(sprite), particle);
        ReferenceDrawParticle(*literal.demo.frame, sprite, particle);
        ASSERT_EQ(FirstDifference(*fast.demo.frame, *literal.demo.frame), "") << "width " << width;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, FrameExactness, ::testing::ValuesIn(kAllSimdLevels),
                         [](const ::testing::TestParamInfo<SimdLevel>& info) { return SimdLevelName(info.param); });

} // namespace
