#include <gtest/gtest.h>

#include "Bitmap.h"

TEST(Bitmap, StartsOneByOneAndResizesToANewBlock)
{
    Bitmap bitmap;
    EXPECT_EQ(bitmap.width, 1);
    EXPECT_EQ(bitmap.height, 1);
    ASSERT_NE(bitmap.pixels, nullptr);
    bitmap.pixels[0] = 0x12345678; // the one word is writable

    std::uint32_t* block = bitmap.Resize(240, 240);
    EXPECT_EQ(block, bitmap.pixels);
    ASSERT_NE(block, nullptr);
    block[240 * 240 - 1] = 1; // room for every word

    block = bitmap.Resize(64, 64);
    EXPECT_EQ(bitmap.width, 64);
    EXPECT_EQ(bitmap.height, 64);
    ASSERT_NE(block, nullptr);
    block[64 * 64 - 1] = 2;
}
