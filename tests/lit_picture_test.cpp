#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "FilledBitmap.h"
#include "KeptPicture.h"
#include "LightingTables.h"
#include "LitPicture.h"
#include "ReferenceLitPixel.h"

namespace {

MillisecondClock Fixed(std::uint32_t now)
{
    return [now] { return now; };
}

FrameParameters Advance(std::uint32_t start, std::uint32_t now, float elapsed = 0.0f)
{
    AnimationClock clock{Fixed(now), start, elapsed};
    return AdvanceFrameParameters(clock);
}

} // namespace

TEST(Vector3, NormalizeAndDotFollowTheirOrderOfOperations)
{
    Vector3 v{3.0f, 4.0f, 12.0f};
    EXPECT_EQ(v.Normalize(), 13.0);
    EXPECT_EQ(v.x, static_cast<float>(3.0 * (1.0 / 13.0)));
    EXPECT_EQ(v.z, static_cast<float>(12.0 * (1.0 / 13.0)));

    Vector3 zero{0.0f, 0.0f, 0.0f};
    EXPECT_EQ(zero.Normalize(), 0.0);
    EXPECT_TRUE(std::isnan(zero.x) && std::isnan(zero.y) && std::isnan(zero.z));

    // z first: 1 + 2^-53 rounds back to 1 before x adds its 2^-53; summed
    // from x the two halves would make 1 + 2^-52.
    const float half = std::ldexp(1.0f, -53);
    EXPECT_EQ(Dot(Vector3{half, half, 1.0f}, Vector3{1.0f, 1.0f, 1.0f}), 1.0);
}

TEST(LightPixel, FullLightAndBlackNormals)
{
    // Normal straight up, light straight above: d = 1, so k = 220 and the highlight is full.
    EXPECT_EQ(ReferenceLightPixel(0x00FFFFFF, 0x000000FF, 0, 0), 0x00DBFFFFu);
    EXPECT_EQ(ReferenceLightPixel(0x00808080, 0x000000FF, 0, 0), 0x006FFFFFu);
    EXPECT_EQ(ReferenceLightPixel(0x00000000, 0x000000FF, 0, 0), 0x0000FEFFu); // green keeps seven bits
    // A black normal has no direction: black, whatever the colour and the light.
    EXPECT_EQ(ReferenceLightPixel(0x00FFFFFF, 0x00000000, 0, 0), 0u);
    EXPECT_EQ(ReferenceLightPixel(0x00FFFFFF, 0xFF000000, 37, -90), 0u);
    // Facing away from the light (only possible below the plane, never for 0..255 normals): d clamps to 0.
    EXPECT_EQ(ReferenceLightPixel(0x00FFFFFF, 0x00FF0000, -200, 0), 0x00000000u);
}

TEST(FrameParameters, FirstFrameUsesElapsedZeroWhateverTheClock)
{
    for (std::uint32_t now : {0u, 12345u, 0xFFFFFFFFu}) {
        const FrameParameters p = Advance(0, now);
        EXPECT_EQ(p.pictureOffsetX, 0);
        EXPECT_EQ(p.pictureOffsetY, 0);
        EXPECT_EQ(p.lightX, 208); // 180 + trunc(60 sin 0.5)
        EXPECT_EQ(p.lightY, 208);
    }
}

TEST(FrameParameters, MotionTrailsTheClockByOneFrame)
{
    AnimationClock clock{Fixed(1000), 0, 0.0f};
    AdvanceFrameParameters(clock);
    EXPECT_EQ(clock.elapsed, 1.0f);
    const FrameParameters second = AdvanceFrameParameters(clock);
    // 60 sin(0.9000000357627869) = 46.9996..., 60 sin(1.2000000476837158) = 55.92...
    EXPECT_EQ(second.pictureOffsetX, 46);
    EXPECT_EQ(second.pictureOffsetY, 55);
    EXPECT_EQ(second.lightX, 180 + static_cast<int>(60.0 * std::sin(3.5)));
    EXPECT_EQ(second.lightY, 180 + static_cast<int>(60.0 * std::sin(4.5)));
}

TEST(FrameParameters, BlinkAndTintFollowThisFramesReading)
{
    EXPECT_FALSE(Advance(0, 799).blinkOn);
    EXPECT_TRUE(Advance(0, 800).blinkOn);
    EXPECT_TRUE(Advance(0, 1599).blinkOn);
    EXPECT_FALSE(Advance(0, 1600).blinkOn);
    EXPECT_TRUE(Advance(0, 2400).blinkOn);

    EXPECT_EQ(Advance(0, 0).tintPhase, 0u);
    EXPECT_EQ(Advance(0, 0).background, 0x003E3E7Eu);
    EXPECT_EQ(Advance(0, 500).tintPhase, 128u);
    EXPECT_EQ(Advance(0, 1000).tintPhase, 255u); // 256 folds back to 255
    EXPECT_EQ(Advance(0, 1000).background, 0x007E7E3Eu);
    EXPECT_EQ(Advance(0, 1500).tintPhase, 127u);
    EXPECT_EQ(Advance(0, 2000).tintPhase, 0u);
}

TEST(FrameParameters, ClockIsASignedDifferenceAcrossTheWrap)
{
    AnimationClock clock{Fixed(0x00000100u), 0xFFFFFF00u, 0.0f};
    AdvanceFrameParameters(clock);
    EXPECT_EQ(clock.elapsed, 0.512f);

    clock = AnimationClock{Fixed(5), 10, 0.0f}; // a clock read before the start
    const FrameParameters early = AdvanceFrameParameters(clock);
    EXPECT_EQ(clock.elapsed, -0.005000000353902578f); // the float nearest -5 x 0.0010000000474974513
    EXPECT_EQ(early.tintPhase, 0u); // trunc(-1.28) = -1, and 511 folds to 0
    EXPECT_FALSE(early.blinkOn);

    clock = AnimationClock{Fixed(0x80000000u), 0, 0.0f}; // the most negative difference
    AdvanceFrameParameters(clock);
    EXPECT_EQ(clock.elapsed, static_cast<float>(-2147483648.0 * static_cast<double>(0.001f)));
}

TEST(LightingTables, DiffuseScaleComesFromTheVectorTowardsTheLight)
{
    Bitmap normals;
    Fill(normals, 240, 240, 0x00406080);
    const LightingTables tables(normals);
    // Entry (row, column) points (240 - column, 240 - row, 40).
    for (const auto& entry : {std::make_pair(0, 0), std::make_pair(240, 240), std::make_pair(359, 17)}) {
        const std::int32_t i = entry.first * LightingTables::kDirectionSpan + entry.second;
        Vector3 direction{static_cast<float>(240 - entry.second), static_cast<float>(240 - entry.first), 40.0f};
        const double length = direction.Normalize();
        EXPECT_EQ(tables.diffuseScale[i], static_cast<float>(220.0 / length));
    }
    EXPECT_EQ(tables.diffuseScale[240 * LightingTables::kDirectionSpan + 240], 220.0f / 40.0f);
}

TEST(DrawLitPicture, PictureMovesOverAFixedNormalMap)
{
    Bitmap frame, picture, alternate, normals;
    frame.Resize(240, 240);
    Fill(picture, 240, 240, 0x00FF8040);
    Fill(alternate, 240, 240, 0x00000000);
    Fill(normals, 240, 240, 0x00406080);
    normals.pixels[5 * 240 + 7] = 0; // a black normal

    FrameParameters p = Advance(0, 0);
    p.pictureOffsetX = 60;
    DrawLitPicture(frame, picture, alternate, AlternateCover(alternate), LightingTables(normals), p);
    const std::uint32_t covered = BlendPixel(0x00FF8040, p.background, 0xFF);
    for (int y = 0; y < 240; y += 13) {
        for (int x = 0; x < 240; ++x) {
            const std::uint32_t colour = x < 180 ? covered : p.background;
            const std::uint32_t expected =
                (x == 7 && y == 5) ? 0 : ReferenceLightPixel(colour, normals.pixels[y * 240 + x], p.lightX - x, p.lightY - y);
            ASSERT_EQ(frame.pixels[y * 240 + x], expected) << x << "," << y;
        }
    }
    p.pictureOffsetX = -60;
    p.pictureOffsetY = 60;
    DrawLitPicture(frame, picture, alternate, AlternateCover(alternate), LightingTables(normals), p);
    EXPECT_EQ(frame.pixels[0], ReferenceLightPixel(p.background, 0x00406080, p.lightX, p.lightY));
    EXPECT_EQ(frame.pixels[60], ReferenceLightPixel(covered, 0x00406080, p.lightX - 60, p.lightY));
    EXPECT_EQ(frame.pixels[180 * 240 + 60], ReferenceLightPixel(p.background, 0x00406080, p.lightX - 60, p.lightY - 180));
}

TEST(DrawLitPicture, RedIsCoverageAndTheAlternateBlinksOverTheBackground)
{
    Bitmap frame, picture, alternate, normals;
    frame.Resize(240, 240);
    Fill(picture, 240, 240, 0x000000FF); // R = 0: the background shows through
    Fill(alternate, 240, 240, 0);
    Fill(normals, 240, 240, 0x000000FF);
    picture.pixels[1] = 0x00FF1020;      // R = 255: the picture covers
    alternate.pixels[2] = 0x80FFFFFF;    // shows only while blinking
    alternate.pixels[3] = 0x00FFFFFF;    // coverage 0 never shows

    FrameParameters p = Advance(0, 0);
    const std::uint32_t bg = p.background;
    auto lit = [&](std::uint32_t colour, int x) { return ReferenceLightPixel(colour, 0x000000FF, p.lightX - x, p.lightY); };

    DrawLitPicture(frame, picture, alternate, AlternateCover(alternate), LightingTables(normals), p);
    EXPECT_EQ(frame.pixels[0], lit(BlendPixel(bg, bg, 0), 0)); // (background.ch * 255) >> 8
    EXPECT_EQ(frame.pixels[1], lit(BlendPixel(0x00FF1020, bg, 255), 1));
    EXPECT_EQ(frame.pixels[2], lit(BlendPixel(0x000000FF, bg, 0), 2));

    p.blinkOn = true;
    DrawLitPicture(frame, picture, alternate, AlternateCover(alternate), LightingTables(normals), p);
    const std::uint32_t smile = BlendPixel(0x80FFFFFF, bg, 0x80);
    EXPECT_EQ(frame.pixels[2], lit(BlendPixel(smile, bg, (smile >> 16) & 0xFF), 2));
    EXPECT_EQ(frame.pixels[3], lit(BlendPixel(0x000000FF, bg, 0), 3));
    for (int i = 0; i < 240 * 240; ++i)
        ASSERT_EQ(frame.pixels[i] >> 24, 0u) << i;
}

TEST(AlternateCover, SpansTheFirstToTheLastCoveringPixelOfEachRow)
{
    Bitmap alternate;
    Fill(alternate, 240, 3, 0x00FFFFFF); // colour without coverage covers nothing
    alternate.pixels[240 + 5] = 0x01000000;
    alternate.pixels[240 + 6] = 0x00FFFFFF; // a hole inside the span
    alternate.pixels[240 + 9] = 0xFF000000;
    alternate.pixels[2 * 240] = 0x80000000;
    alternate.pixels[2 * 240 + 239] = 0x80000000;

    const AlternateCover cover(alternate);
    EXPECT_EQ(cover.rows[0].first, cover.rows[0].end);
    EXPECT_EQ(cover.rows[1].first, 5);
    EXPECT_EQ(cover.rows[1].end, 10);
    EXPECT_EQ(cover.rows[2].first, 0);
    EXPECT_EQ(cover.rows[2].end, 240);
    for (int y = 3; y < AlternateCover::kRows; ++y) // past the bitmap
        ASSERT_EQ(cover.rows[y].first, cover.rows[y].end) << y;
}

TEST(AdvanceFrameParameters, ReadsTheClockOnceAndGivesTheLight)
{
    int reads = 0;
    AnimationClock clock{[&reads] { return static_cast<std::uint32_t>(100 * ++reads); }, 0, 0.0f};
    const FrameParameters parameters = AdvanceFrameParameters(clock);
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(parameters.lightX, 208);
    EXPECT_EQ(parameters.lightY, 208);
    EXPECT_EQ(clock.elapsed, 0.1f);
}

TEST(LightField, KeptWhenTheLightStaysAndUsedUntilAnotherIsKept)
{
    LightField field;
    EXPECT_EQ(field.UseFor(200, 150), LightFieldUse::None); // nothing kept yet
    EXPECT_EQ(field.UseFor(200, 150), LightFieldUse::Keep); // stayed: it may stay longer
    EXPECT_EQ(field.UseFor(200, 150), LightFieldUse::Use);
    EXPECT_EQ(field.UseFor(201, 150), LightFieldUse::None); // moved on: worked out, not kept
    EXPECT_EQ(field.UseFor(200, 150), LightFieldUse::Use);  // back where the kept one stood
    EXPECT_EQ(field.UseFor(200, 151), LightFieldUse::None);
    EXPECT_EQ(field.UseFor(200, 151), LightFieldUse::Keep);
    EXPECT_EQ(field.UseFor(200, 150), LightFieldUse::None); // the older field is gone
}

namespace {

// Draws a stand-in for the lit picture of `parameters`, as DrawFrame draws
// the real one when the kept picture cannot be restored.
void DrawStandIn(KeptPicture& kept, const FrameParameters& parameters, Bitmap& frame, std::uint32_t value)
{
    Fill(frame, 240, 240, value);
    kept.Drawn(parameters, frame);
}

} // namespace

TEST(KeptPicture, KeptWhenTheParametersStayAndRestoredOnlyWhereDrawnOver)
{
    KeptPicture kept;
    Bitmap frame;
    const FrameParameters still{3, -4, 200, 150, true, 17, 0x00405060u};
    EXPECT_FALSE(kept.Restore(still, frame)); // nothing kept yet
    DrawStandIn(kept, still, frame, 0x11);
    EXPECT_FALSE(kept.Restore(still, frame)); // seen once: not kept
    DrawStandIn(kept, still, frame, 0x11);     // stayed: kept

    // Two blocks drawn over, one running past the end of its row.
    kept.Cover({240 * 10 + 230, 20, 3});
    kept.Cover({0, 1, 1});
    for (std::int32_t r = 0; r < 3; ++r) {
        for (std::int32_t j = 0; j < 20; ++j)
            frame.pixels[240 * (10 + r) + 230 + j] = 0x99;
    }
    frame.pixels[0] = 0x99;
    // A word outside every block is the caller's to keep: left as it is.
    frame.pixels[240 * 100] = 0x77;
    ASSERT_TRUE(kept.Restore(still, frame));
    for (std::int32_t i = 0; i < 240 * 240; ++i)
        ASSERT_EQ(frame.pixels[i], i == 240 * 100 ? 0x77u : 0x11u) << i;

    // The blocks were put back once: the next frame starts with none.
    frame.pixels[0] = 0x99;
    ASSERT_TRUE(kept.Restore(still, frame));
    EXPECT_EQ(frame.pixels[0], 0x99u);
}

TEST(KeptPicture, NotRestoredForOtherParametersOrAfterAnotherPicture)
{
    KeptPicture kept;
    Bitmap frame;
    const FrameParameters still{3, -4, 200, 150, true, 17, 0x00405060u};
    DrawStandIn(kept, still, frame, 0x11);
    DrawStandIn(kept, still, frame, 0x11);
    // Any one field changed is another picture.
    std::vector<FrameParameters> others(7, still);
    others[0].pictureOffsetX = 4;
    others[1].pictureOffsetY = -3;
    others[2].lightX = 201;
    others[3].lightY = 151;
    others[4].blinkOn = false;
    others[5].tintPhase = 18;
    others[6].background = 0x00405061u;
    for (const FrameParameters& other : others)
        EXPECT_FALSE(kept.Restore(other, frame));

    // Once another picture is drawn, the frame no longer lies over the kept one.
    DrawStandIn(kept, others[2], frame, 0x22);
    EXPECT_FALSE(kept.Restore(still, frame));
    DrawStandIn(kept, still, frame, 0x11); // the frame before was another: not kept again yet
    EXPECT_FALSE(kept.Restore(still, frame));
}

TEST(KeptPicture, NotRestoredAfterMoreBlocksThanAFrameDraws)
{
    KeptPicture kept;
    Bitmap frame;
    const FrameParameters still{0, 0, 120, 240, false, 0, 0};
    DrawStandIn(kept, still, frame, 0x11);
    DrawStandIn(kept, still, frame, 0x11);
    for (int i = 0; i < kFountainSize; ++i) // every particle
        kept.Cover({i, 1, 1});
    ASSERT_TRUE(kept.Restore(still, frame));
    for (int i = 0; i <= kFountainSize; ++i) // one more than those
        kept.Cover({i, 1, 1});
    EXPECT_FALSE(kept.Restore(still, frame));
}
