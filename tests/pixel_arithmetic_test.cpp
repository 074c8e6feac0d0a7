#include <gtest/gtest.h>

#include "PixelArithmetic.h"

TEST(AddSaturated, ClipsEachChannelWithSevenBitRedAndGreen)
{
    EXPECT_EQ(AddSaturated(0x00FFFFFF, 0x00010101), 0x00FEFFFFu); // red drops its low bit, green gets blue's carry
    EXPECT_EQ(AddSaturated(0x00808080, 0x00808080), 0x01FFFFFFu); // all saturate; red's overflow shows on top
    EXPECT_EQ(AddSaturated(0x00102030, 0x00010101), 0x00102031u); // +1 on red or green is lost
    EXPECT_EQ(AddSaturated(0xFFFFFFFF, 0), 0x00FEFEFFu);
    EXPECT_EQ(AddSaturated(0x00DBDBDB, 0x0000FFFF), 0x00DBFFFFu);
}

TEST(AddSaturated, IsSymmetricAndIgnoresTopBytes)
{
    const std::uint32_t values[] = {0, 0x00123456, 0x00FF00FF, 0x0080FF01, 0xAB7F7F7F, 0xFFFFFFFF};
    for (std::uint32_t a : values) {
        for (std::uint32_t b : values) {
            EXPECT_EQ(AddSaturated(a, b), AddSaturated(b, a));
            EXPECT_EQ(AddSaturated(a, b), AddSaturated(a & 0xFFFFFF, b & 0xFFFFFF));
            EXPECT_LE(AddSaturated(a, b) >> 24, 1u);
        }
    }
}

TEST(BlendPixel, WeightsSumTo255)
{
    EXPECT_EQ(BlendPixel(0x00FFFFFF, 0x00000000, 255), 0x00FEFEFEu);
    EXPECT_EQ(BlendPixel(0x00FFFFFF, 0x00123456, 255), 0x00FEFEFEu);
    EXPECT_EQ(BlendPixel(0x00123456, 0x00FFFFFF, 0), 0x00FEFEFEu);
    for (std::uint32_t w = 0; w < 256; w += 17)
        EXPECT_EQ(BlendPixel(0x00806401, 0x00806401, w), 0x007F6300u) << w; // each non-zero channel drops by one
}

TEST(BlendPixel, MixesChannelsSeparatelyAndClearsTheTopByte)
{
    // R: (0x40*0x80 + 0x80*0x7F) >> 8 = 0x5F; G: (0xFF*0x80) >> 8 = 0x7F; B: (0xFF*0x7F) >> 8 = 0x7E
    EXPECT_EQ(BlendPixel(0xFF40FF00, 0xEE8000FF, 0x80), 0x005F7F7Eu);
    EXPECT_EQ(BlendPixel(0x007F7F3F, 0x003F3F7F, 0), 0x003E3E7Eu);
    EXPECT_EQ(BlendPixel(0x007F7F3F, 0x003F3F7F, 255), 0x007E7E3Eu);
}
