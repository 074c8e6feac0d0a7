#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "FrameArea.h"
#include "RowConverters.h"

TEST(WholeFactor, IsTheLargestThatFitsBothSidesAndNeverBelowOne)
{
    EXPECT_EQ(WholeFactor(240, 240, 1920, 1080), 4);
    EXPECT_EQ(WholeFactor(240, 240, 3840, 2160), 9);
    EXPECT_EQ(WholeFactor(240, 240, 1280, 720), 3);
    EXPECT_EQ(WholeFactor(240, 240, 1080, 1920), 4); // a screen turned upright
    EXPECT_EQ(WholeFactor(240, 240, 480, 479), 1);
    EXPECT_EQ(WholeFactor(240, 240, 200, 150), 1);
    EXPECT_EQ(WholeFactor(320, 200, 1920, 1200), 6);
}

TEST(WindowFrameArea, AWindowStretchesTheFrameOverItsWholeClientArea)
{
    EXPECT_EQ(WindowFrameArea(false, 240, 240, 300, 200), (FrameArea{0, 0, 300, 200}));
    EXPECT_EQ(WindowFrameArea(false, 240, 240, 1920, 1080), (FrameArea{0, 0, 1920, 1080}));
}

TEST(WindowFrameArea, FullScreenCentresTheFrameAtItsWholeFactor)
{
    EXPECT_EQ(WindowFrameArea(true, 240, 240, 1920, 1080), (FrameArea{480, 60, 960, 960}));
    EXPECT_EQ(WindowFrameArea(true, 240, 240, 3840, 2160), (FrameArea{840, 0, 2160, 2160}));
    EXPECT_EQ(WindowFrameArea(true, 240, 240, 1281, 721), (FrameArea{280, 0, 720, 720}));
    EXPECT_EQ(WindowFrameArea(true, 240, 240, 240, 240), (FrameArea{0, 0, 240, 240}));
    // Smaller than the frame: the whole screen, as in a window.
    EXPECT_EQ(WindowFrameArea(true, 240, 240, 200, 300), (FrameArea{0, 0, 200, 300}));
}

namespace {

constexpr std::uint8_t kOld = 0x77;

// Reads the 32-bit pixel at (x, y) of a destination with pitch bytes a row.
std::uint32_t PixelAt(const std::vector<std::uint8_t>& destination, std::int32_t pitch, std::int32_t x,
                      std::int32_t y)
{
    const std::uint8_t* p = &destination[y * pitch + x * 4];
    return static_cast<std::uint32_t>(p[0] | p[1] << 8 | p[2] << 16 | p[3] << 24);
}

} // namespace

TEST(ConvertIntoArea, DrawsTheFrameInItsAreaAndBlackensTheRestOnlyWhenTheAreaChanges)
{
    const std::int32_t width = 3;
    const std::int32_t height = 2;
    const std::vector<std::uint32_t> frame = {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x101112};
    const std::int32_t outWidth = 10;
    const std::int32_t outHeight = 7;
    const std::int32_t pitch = outWidth * 4 + 8;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(pitch * outHeight), kOld);
    const RowConverter converter = SelectRowConverter(32, 0xFF0000, 0x00FF00, 0x0000FF);
    ASSERT_NE(converter, nullptr);
    FrameStretch stretch;
    FrameArea drawn = {};
    const FrameArea area = WindowFrameArea(true, width, height, outWidth, outHeight); // factor 3, at (0, 0)
    ASSERT_EQ(area, (FrameArea{0, 0, 9, 6}));
    const FrameArea centred = {2, 1, 6, 4}; // factor 2
    for (const FrameArea& target : {area, centred}) {
        ConvertIntoArea(stretch, drawn, target, converter, 4, frame.data(), width, height, out.data(), pitch,
                        outWidth, outHeight);
        EXPECT_EQ(drawn, target);
        const std::int32_t factor = target.width / width;
        for (std::int32_t y = 0; y < outHeight; ++y) {
            for (std::int32_t x = 0; x < outWidth; ++x) {
                const bool inside =
                    x >= target.x && x < target.x + target.width && y >= target.y && y < target.y + target.height;
                const std::uint32_t expected =
                    inside ? frame[(y - target.y) / factor * width + (x - target.x) / factor] : 0;
                ASSERT_EQ(PixelAt(out, pitch, x, y), expected) << x << ", " << y;
            }
            for (std::int32_t i = outWidth * 4; i < pitch; ++i)
                ASSERT_EQ(out[y * pitch + i], kOld) << "padding of row " << y;
        }
    }
    // The same area again: the outside is left as it is, not cleared each frame.
    out[0] = kOld;
    ConvertIntoArea(stretch, drawn, centred, converter, 4, frame.data(), width, height, out.data(), pitch, outWidth,
                    outHeight);
    EXPECT_EQ(out[0], kOld);
}
