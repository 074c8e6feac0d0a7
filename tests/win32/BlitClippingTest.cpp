#include <gtest/gtest.h>

#include "BlitClipping.h"

namespace {

const RECT kScreen = {0, 0, 1024, 768};

void ExpectRect(const RECT& actual, LONG left, LONG top, LONG right, LONG bottom)
{
    EXPECT_EQ(actual.left, left);
    EXPECT_EQ(actual.top, top);
    EXPECT_EQ(actual.right, right);
    EXPECT_EQ(actual.bottom, bottom);
}

TEST(ClipBlit, LeavesABlitInsideTheScreenAlone)
{
    RECT destination = {392, 264, 632, 504};
    RECT source = {0, 0, 240, 240};
    ASSERT_TRUE(ClipBlit(destination, source, kScreen));
    ExpectRect(destination, 392, 264, 632, 504);
    ExpectRect(source, 0, 0, 240, 240);

    RECT wholeScreen = kScreen;
    source = {0, 0, 240, 240};
    ASSERT_TRUE(ClipBlit(wholeScreen, source, kScreen));
    ExpectRect(wholeScreen, 0, 0, 1024, 768);
    ExpectRect(source, 0, 0, 240, 240);
}

// A 960 x 960 client area (zoom 4) on a 768-pixel-high screen reaches past
// the top and the bottom.
TEST(ClipBlit, CutsTheSourceInProportionToTheDestination)
{
    RECT destination = {27, -120, 987, 840};
    RECT source = {0, 0, 240, 240};
    ASSERT_TRUE(ClipBlit(destination, source, kScreen));
    ExpectRect(destination, 27, 0, 987, 768);
    ExpectRect(source, 0, 30, 240, 222);
}

TEST(ClipBlit, RoundsThePartlyVisibleSourcePixelsIn)
{
    RECT destination = {27, -121, 987, 839};
    RECT source = {0, 0, 240, 240};
    ASSERT_TRUE(ClipBlit(destination, source, kScreen));
    ExpectRect(destination, 27, 0, 987, 768);
    // Rows 121 to 888 of the 960 show source rows 30.25 to 222.25.
    ExpectRect(source, 0, 30, 240, 223);

    // Shrinking: 120 destination pixels for 240 source pixels.
    destination = {-10, 700, 110, 820};
    source = {0, 0, 240, 240};
    ASSERT_TRUE(ClipBlit(destination, source, kScreen));
    ExpectRect(destination, 0, 700, 110, 768);
    ExpectRect(source, 20, 0, 240, 136);
}

TEST(ClipBlit, KeepsTheSourceOrigin)
{
    RECT destination = {-100, 0, 380, 480};
    RECT source = {10, 20, 250, 260};
    ASSERT_TRUE(ClipBlit(destination, source, RECT{0, 0, 300, 400}));
    ExpectRect(destination, 0, 0, 300, 400);
    ExpectRect(source, 60, 20, 210, 220);
}

TEST(ClipBlit, RefusesWhatShowsNothing)
{
    const RECT original = {1024, 100, 1264, 340};
    RECT destination = original;
    RECT source = {0, 0, 240, 240};
    EXPECT_FALSE(ClipBlit(destination, source, kScreen)); // just right of the screen
    ExpectRect(destination, 1024, 100, 1264, 340);
    ExpectRect(source, 0, 0, 240, 240);

    destination = {-300, -300, -60, -60};
    EXPECT_FALSE(ClipBlit(destination, source, kScreen));

    destination = {100, 100, 100, 100}; // a minimised window's client area
    EXPECT_FALSE(ClipBlit(destination, source, kScreen));
    destination = {100, 100, 340, 100};
    EXPECT_FALSE(ClipBlit(destination, source, kScreen));
}

} // namespace
