#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "FrameStretch.h"
#include "RowConverters.h"

namespace {

constexpr std::uint8_t kUntouched = 0xEE;

// A frame whose every pixel differs: 0x00XXYYNN with the pixel's x, y and index.
std::vector<std::uint32_t> NumberedFrame(std::int32_t width, std::int32_t height)
{
    std::vector<std::uint32_t> frame(static_cast<std::size_t>(width * height));
    for (std::int32_t y = 0; y < height; ++y)
        for (std::int32_t x = 0; x < width; ++x)
            frame[y * width + x] = static_cast<std::uint32_t>(x << 16 | y << 8 | (y * width + x));
    return frame;
}

// The pixel at (x, y) of a destination of 3-byte pixels, as 0xRRGGBB.
std::uint32_t Pixel24(const std::vector<std::uint8_t>& destination, std::int32_t pitch, std::int32_t x,
                      std::int32_t y)
{
    const std::uint8_t* p = &destination[y * pitch + x * 3];
    return static_cast<std::uint32_t>(p[0] | p[1] << 8 | p[2] << 16);
}

} // namespace

TEST(FrameStretch, IntegerFactorsRepeatEachPixelInASquareBlockAndKeepThePadding)
{
    const std::int32_t width = 5;
    const std::int32_t height = 4;
    const std::vector<std::uint32_t> frame = NumberedFrame(width, height);
    FrameStretch stretch;
    for (std::int32_t factor : {2, 3, 4}) {
        const std::int32_t outWidth = width * factor;
        const std::int32_t outHeight = height * factor;
        const std::int32_t pitch = outWidth * 3 + 5;
        std::vector<std::uint8_t> out(static_cast<std::size_t>(pitch * outHeight), kUntouched);
        stretch.Convert(PackRow24, 3, frame.data(), width, height, out.data(), pitch, outWidth, outHeight);
        for (std::int32_t y = 0; y < outHeight; ++y) {
            for (std::int32_t x = 0; x < outWidth; ++x)
                ASSERT_EQ(Pixel24(out, pitch, x, y), frame[(y / factor) * width + x / factor] & 0xFFFFFF)
                    << "factor " << factor << " at " << x << ", " << y;
            for (std::int32_t i = outWidth * 3; i < pitch; ++i)
                ASSERT_EQ(out[y * pitch + i], kUntouched) << "factor " << factor << " row " << y;
        }
    }
}

TEST(FrameStretch, TheFramesOwnSizeIsAPlainConversionRowByRow)
{
    const std::vector<std::uint32_t> frame = NumberedFrame(6, 3);
    const std::int32_t pitch = 6 * 2 + 4;
    std::vector<std::uint8_t> stretched(pitch * 3, kUntouched);
    std::vector<std::uint8_t> converted(pitch * 3, kUntouched);
    FrameStretch().Convert(PackRow565, 2, frame.data(), 6, 3, stretched.data(), pitch, 6, 3);
    ConvertRows(PackRow565, frame.data(), 6, 3, converted.data(), pitch);
    EXPECT_EQ(stretched, converted);
}

TEST(FrameStretch, OtherSizesTakeThePixelUnderEachCentre)
{
    EXPECT_EQ(NearestSource(0, 240, 480), 0);
    EXPECT_EQ(NearestSource(479, 240, 480), 239);
    // 3 pixels over 5, and 5 over 3.
    const std::int32_t widened[] = {0, 0, 1, 2, 2};
    for (std::int32_t i = 0; i < 5; ++i)
        EXPECT_EQ(NearestSource(i, 3, 5), widened[i]) << i;
    const std::int32_t narrowed[] = {0, 2, 4};
    for (std::int32_t i = 0; i < 3; ++i)
        EXPECT_EQ(NearestSource(i, 5, 3), narrowed[i]) << i;

    // A 5 x 5 frame into 3 x 7 words, after a conversion to another width.
    const std::vector<std::uint32_t> frame = NumberedFrame(5, 5);
    FrameStretch stretch;
    std::vector<std::uint8_t> wide(11 * 4 * 2);
    stretch.Convert(CopyRow32, 4, frame.data(), 5, 5, wide.data(), 11 * 4, 11, 2);
    std::vector<std::uint32_t> out(3 * 7, 0xEEEEEEEEu);
    stretch.Convert(CopyRow32, 4, frame.data(), 5, 5, reinterpret_cast<std::uint8_t*>(out.data()), 3 * 4, 3, 7);
    for (std::int32_t y = 0; y < 7; ++y)
        for (std::int32_t x = 0; x < 3; ++x)
            EXPECT_EQ(out[y * 3 + x], frame[NearestSource(y, 5, 7) * 5 + narrowed[x]]) << x << ", " << y;
}

TEST(FrameStretch, AnEmptyDestinationIsNotWritten)
{
    const std::vector<std::uint32_t> frame = NumberedFrame(4, 4);
    std::uint8_t out[16];
    std::fill(std::begin(out), std::end(out), kUntouched);
    FrameStretch stretch;
    stretch.Convert(CopyRow32, 4, frame.data(), 4, 4, out, 16, 0, 1);
    stretch.Convert(CopyRow32, 4, frame.data(), 4, 4, out, 16, 4, 0);
    for (std::uint8_t byte : out)
        EXPECT_EQ(byte, kUntouched);
}

TEST(FrameStretch, BandsPutTogetherAreTheWholeStretchAndStayInTheirRows)
{
    const std::int32_t width = 7;
    const std::int32_t height = 5;
    const std::vector<std::uint32_t> frame = NumberedFrame(width, height);
    FrameStretch stretch;
    // Stretched, and at the frame's own size.
    for (const auto& size : {std::pair<std::int32_t, std::int32_t>{17, 13}, {width, height}}) {
        const auto [outWidth, outHeight] = size;
        const std::int32_t pitch = outWidth * 3;
        std::vector<std::uint8_t> whole(static_cast<std::size_t>(pitch * outHeight), kUntouched);
        stretch.Convert(PackRow24, 3, frame.data(), width, height, whole.data(), pitch, outWidth, outHeight);
        const std::int32_t bandRows = 4; // the last band is shorter
        for (std::int32_t first = 0; first < outHeight; first += bandRows) {
            const std::int32_t rows = std::min(bandRows, outHeight - first);
            std::vector<std::uint8_t> band(static_cast<std::size_t>(pitch * (bandRows + 1)), kUntouched);
            stretch.ConvertBand(PackRow24, 3, frame.data(), width, height, band.data(), pitch, outWidth, outHeight,
                                first, rows);
            EXPECT_TRUE(std::equal(band.begin(), band.begin() + pitch * rows, whole.begin() + pitch * first))
                << outWidth << " x " << outHeight << " from row " << first;
            EXPECT_TRUE(
                std::all_of(band.begin() + pitch * rows, band.end(), [](std::uint8_t b) { return b == kUntouched; }));
        }
    }
    // A band past the destination's last row is not written.
    std::vector<std::uint8_t> out(3 * 17 * 2, kUntouched);
    stretch.ConvertBand(PackRow24, 3, frame.data(), width, height, out.data(), 3 * 17, 17, 13, 12, 2);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](std::uint8_t b) { return b == kUntouched; }));
}
