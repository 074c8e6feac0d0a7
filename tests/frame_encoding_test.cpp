#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrameEncoding.h"

namespace {

// Three by two pixels, top bytes among them.
void MakeSmallFrame(Bitmap& frame)
{
    frame.Resize(3, 2);
    const std::uint32_t pixels[] = {0x11223344, 0xFF000000, 0x00ABCDEF, 0x01FFFFFF, 0x00000001, 0x80706050};
    for (int i = 0; i < 6; ++i)
        frame.pixels[i] = pixels[i];
}

} // namespace

TEST(FrameEncoding, RawIsEveryWordLittleEndianTopByteIncluded)
{
    Bitmap frame;
    MakeSmallFrame(frame);
    const ByteSpan raw = RawFrameBytes(frame);
    const std::vector<std::uint8_t> bytes(raw.data, raw.data + raw.size);
    const std::vector<std::uint8_t> expected = {0x44, 0x33, 0x22, 0x11, 0x00, 0x00, 0x00, 0xFF, 0xEF, 0xCD, 0xAB, 0x00,
                                                0xFF, 0xFF, 0xFF, 0x01, 0x01, 0x00, 0x00, 0x00, 0x50, 0x60, 0x70, 0x80};
    EXPECT_EQ(bytes, expected);
}

TEST(FrameEncoding, PpmIsItsHeaderThenRedGreenBlue)
{
    Bitmap frame;
    MakeSmallFrame(frame);
    std::vector<std::uint8_t> buffer(1000, 0xAA);
    const ByteSpan image = EncodePpmFrame(frame, buffer);
    const std::vector<std::uint8_t> bytes(image.data, image.data + image.size);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(image.data + 11) % 64, 0u);
    const std::string header = "P6\n3 2\n255\n";
    std::vector<std::uint8_t> expected(header.begin(), header.end());
    const std::vector<std::uint8_t> rgb = {0x22, 0x33, 0x44, 0x00, 0x00, 0x00, 0xAB, 0xCD, 0xEF,
                                           0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x70, 0x60, 0x50};
    expected.insert(expected.end(), rgb.begin(), rgb.end());
    EXPECT_EQ(bytes, expected);

    std::vector<std::uint8_t> plain;
    EncodeRgb(frame, plain);
    EXPECT_EQ(plain, rgb);
}
