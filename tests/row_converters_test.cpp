#include <gtest/gtest.h>

#include <vector>

#include "RowConverters.h"

namespace {

struct Converter {
    RowConverter function;
    const char* name;
    std::size_t bytesPerPixel;
};

const Converter kConverters[] = {
    {CopyRow32, "CopyRow32", 4},         {SwapRow32, "SwapRow32", 4},     {PackRow24, "PackRow24", 3},
    {SwapRow24, "SwapRow24", 3},         {PackRow565, "PackRow565", 2},   {PackRowBgr565, "PackRowBgr565", 2},
    {PackRow555, "PackRow555", 2},       {PackRowBgr555, "PackRowBgr555", 2},
};

// Converts one pixel and reads the destination back as a little-endian value.
std::uint32_t Convert(RowConverter converter, std::size_t bytesPerPixel, std::uint32_t pixel)
{
    std::uint8_t out[4] = {0xAA, 0xAA, 0xAA, 0xAA};
    converter(&pixel, out, 1);
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytesPerPixel; ++i)
        value |= static_cast<std::uint32_t>(out[i]) << (8 * i);
    for (std::size_t i = bytesPerPixel; i < 4; ++i)
        EXPECT_EQ(out[i], 0xAA) << "wrote past the pixel";
    return value;
}

} // namespace

TEST(RowConverters, ConvertKnownPixels)
{
    struct Case {
        std::uint32_t pixel;
        std::uint32_t expected[8]; // in the order of kConverters; 24-bit values as bytes b0 | b1 << 8 | b2 << 16
    };
    const Case cases[] = {
        {0xFFFFFFFF, {0xFFFFFFFF, 0x00FFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFF, 0xFFFF, 0x7FFF, 0x7FFF}},
        {0x00FF0000, {0x00FF0000, 0x000000FF, 0xFF0000, 0x0000FF, 0xF800, 0x001F, 0x7C00, 0x001F}},
        {0x000000FF, {0x000000FF, 0x00FF0000, 0x0000FF, 0xFF0000, 0x001F, 0xF800, 0x001F, 0x7C00}},
        {0x00123456, {0x00123456, 0x00563412, 0x123456, 0x563412, 0x11AA, 0x51A2, 0x08CA, 0x28C2}},
        {0x00070707, {0x00070707, 0x00070707, 0x070707, 0x070707, 0x0020, 0x0020, 0, 0}},
        {0xFF000000, {0xFF000000, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(Convert(kConverters[i].function, kConverters[i].bytesPerPixel, c.pixel), c.expected[i])
                << kConverters[i].name << " of " << std::hex << c.pixel;
        }
    }
}

TEST(RowConverters, KeepPixelOrderAndWriteExactlyTheRow)
{
    std::vector<std::uint32_t> row(241);
    for (std::size_t i = 0; i < row.size(); ++i)
        row[i] = static_cast<std::uint32_t>(i * 0x01030507u + 0x00F01020u);
    for (const Converter& converter : kConverters) {
        const std::size_t size = converter.bytesPerPixel;
        std::vector<std::uint8_t> out(row.size() * size + 8, 0x5A);
        converter.function(row.data(), out.data(), static_cast<std::uint32_t>(row.size()));
        for (std::size_t i = 0; i < row.size(); ++i) {
            std::uint32_t got = 0;
            for (std::size_t b = 0; b < size; ++b)
                got |= static_cast<std::uint32_t>(out[i * size + b]) << (8 * b);
            ASSERT_EQ(got, Convert(converter.function, size, row[i])) << converter.name << " pixel " << i;
        }
        for (std::size_t b = row.size() * size; b < out.size(); ++b)
            ASSERT_EQ(out[b], 0x5A) << converter.name << " wrote past the row";

        std::vector<std::uint8_t> untouched(8, 0x5A);
        converter.function(row.data(), untouched.data(), 0);
        EXPECT_EQ(untouched, std::vector<std::uint8_t>(8, 0x5A)) << converter.name << " with a count of 0";
    }
}

TEST(SelectRowConverter, MatchesTheEightFormatsExactly)
{
    EXPECT_EQ(SelectRowConverter(32, 0xFF0000, 0xFF00, 0xFF), &CopyRow32);
    EXPECT_EQ(SelectRowConverter(32, 0xFF, 0xFF00, 0xFF0000), &SwapRow32);
    EXPECT_EQ(SelectRowConverter(24, 0xFF0000, 0xFF00, 0xFF), &PackRow24);
    EXPECT_EQ(SelectRowConverter(24, 0xFF, 0xFF00, 0xFF0000), &SwapRow24);
    EXPECT_EQ(SelectRowConverter(16, 0xF800, 0x07E0, 0x001F), &PackRow565);
    EXPECT_EQ(SelectRowConverter(16, 0x001F, 0x07E0, 0xF800), &PackRowBgr565);
    EXPECT_EQ(SelectRowConverter(16, 0x7C00, 0x03E0, 0x001F), &PackRow555);
    EXPECT_EQ(SelectRowConverter(16, 0x001F, 0x03E0, 0x7C00), &PackRowBgr555);

    EXPECT_EQ(SelectRowConverter(15, 0x7C00, 0x03E0, 0x001F), nullptr);
    EXPECT_EQ(SelectRowConverter(8, 0, 0, 0), nullptr);
    EXPECT_EQ(SelectRowConverter(32, 0xFF0000, 0xFF00, 0xFE), nullptr);
    EXPECT_EQ(SelectRowConverter(24, 0xF800, 0x07E0, 0x001F), nullptr);
    EXPECT_EQ(SelectRowConverter(16, 0xFF0000, 0xFF00, 0xFF), nullptr);
}
