#include <SDL.h>
#include <gtest/gtest.h>

#include "WindowFormat.h"

TEST(WindowFormat, EachSupportedLayoutGetsItsConverter)
{
    // The windows of 24- and 16-bit X screens.
    EXPECT_EQ(RowConverterForWindowFormat(SDL_PIXELFORMAT_RGB888), &CopyRow32);
    EXPECT_EQ(RowConverterForWindowFormat(SDL_PIXELFORMAT_RGB565), &PackRow565);
    // The alpha mask is not consulted.
    EXPECT_EQ(RowConverterForWindowFormat(SDL_PIXELFORMAT_ARGB8888), &CopyRow32);
    EXPECT_EQ(RowConverterForWindowFormat(SDL_PIXELFORMAT_BGR888), &SwapRow32);
    EXPECT_EQ(RowConverterForWindowFormat(SDL_PIXELFORMAT_ABGR8888), &SwapRow32);
    EXPECT_EQ(RowConverterForWindowFormat(SDL_PIXELFORMAT_BGR565), &PackRowBgr565);
    // Three bytes a pixel: blue first in memory is the 0xFF0000 red mask.
    EXPECT_EQ(RowConverterForWindowFormat(SDL_PIXELFORMAT_BGR24), &PackRow24);
    EXPECT_EQ(RowConverterForWindowFormat(SDL_PIXELFORMAT_RGB24), &SwapRow24);
}

TEST(WindowFormat, FiveFiveFiveFormatsCountAsSixteenBits)
{
    // SDL calls them 15 bits a pixel; they are stored in 16.
    EXPECT_EQ(RowConverterForWindowFormat(SDL_PIXELFORMAT_RGB555), &PackRow555);
    EXPECT_EQ(RowConverterForWindowFormat(SDL_PIXELFORMAT_BGR555), &PackRowBgr555);
}

TEST(WindowFormat, OtherFormatsHaveNoConverter)
{
    for (std::uint32_t format : {SDL_PIXELFORMAT_UNKNOWN, SDL_PIXELFORMAT_INDEX8, SDL_PIXELFORMAT_RGB332,
                                 SDL_PIXELFORMAT_RGBA8888, SDL_PIXELFORMAT_ARGB2101010, SDL_PIXELFORMAT_RGB444,
                                 SDL_PIXELFORMAT_YV12})
        EXPECT_EQ(RowConverterForWindowFormat(format), nullptr) << SDL_GetPixelFormatName(format);
}
