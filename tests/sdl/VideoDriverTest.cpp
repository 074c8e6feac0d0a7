#include <gtest/gtest.h>

#include "VideoDriver.h"

TEST(VideoDriver, DriversThatShowWindowsAreAccepted)
{
    EXPECT_TRUE(VideoDriverShowsWindows("x11", nullptr));
    EXPECT_TRUE(VideoDriverShowsWindows("wayland", "x11"));
}

TEST(VideoDriver, SilentFallbackToAnInvisibleDriverMeansNoDisplay)
{
    EXPECT_FALSE(VideoDriverShowsWindows("offscreen", nullptr));
    EXPECT_FALSE(VideoDriverShowsWindows("dummy", nullptr));
    EXPECT_FALSE(VideoDriverShowsWindows("offscreen", "x11,wayland"));
    EXPECT_FALSE(VideoDriverShowsWindows(nullptr, nullptr));
}

TEST(VideoDriver, AnInvisibleDriverCountsWhenTheUserNamedIt)
{
    EXPECT_TRUE(VideoDriverShowsWindows("offscreen", "offscreen"));
    EXPECT_TRUE(VideoDriverShowsWindows("dummy", "DUMMY"));
    EXPECT_TRUE(VideoDriverShowsWindows("dummy", "x11,dummy"));
    EXPECT_TRUE(VideoDriverShowsWindows("offscreen", "offscreen,x11"));
}

TEST(VideoDriver, OnlyWholeNamesInTheListCount)
{
    EXPECT_FALSE(VideoDriverShowsWindows("dummy", "dumm"));
    EXPECT_FALSE(VideoDriverShowsWindows("dummy", "dummy2"));
    EXPECT_FALSE(VideoDriverShowsWindows("offscreen", "x11,offscreenx"));
    EXPECT_FALSE(VideoDriverShowsWindows("dummy", ""));
}

TEST(VideoDriver, OnlyX11ShowsItsOwnFramebufferWhereOthersNeedARenderer)
{
    EXPECT_STREQ(WindowSurfaceAcceleration("x11"), "0");
    EXPECT_STREQ(WindowSurfaceAcceleration("wayland"), "1");
    EXPECT_STREQ(WindowSurfaceAcceleration("kmsdrm"), "1");
}
