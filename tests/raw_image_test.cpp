#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileInputStream.h"
#include "RawImage.h"
#include "TempFiles.h"

namespace {

std::vector<std::uint32_t> Load(const std::string& path, int width, int height, RawVariant variant)
{
    FileInputStream stream;
    Bitmap bitmap;
    bitmap.Resize(width, height);
    LoadRawImage(stream, path.c_str(), bitmap, variant);
    EXPECT_EQ(stream.IsOpen(), 0) << "the loader closes the stream";
    return std::vector<std::uint32_t>(bitmap.pixels, bitmap.pixels + width * height);
}

} // namespace

TEST(LoadRawImage, ReadsRowsFromTheTopInBothVariants)
{
    TempDirectory dir;
    const std::string path = dir.Write("image.raw", {0x12, 0x34, 0x56, 255, 255, 254, 0, 0, 0, 255, 255, 255, 1, 2, 4, 9, 9, 9});
    EXPECT_EQ(Load(path, 3, 2, RawVariant::Plain),
              (std::vector<std::uint32_t>{0x00123456, 0x00FFFFFE, 0x00000000, 0x00FFFFFF, 0x00010204, 0x00090909}));
    EXPECT_EQ(Load(path, 3, 2, RawVariant::Alpha),
              (std::vector<std::uint32_t>{0x34123456, 0xFEFFFFFE, 0x00000000, 0xFFFFFFFF, 0x02010204, 0x09090909}));
}

TEST(LoadRawImage, MissingFileGivesBlackTransparentPixels)
{
    TempDirectory dir;
    const std::string missing = (dir.path / "missing.raw").string();
    EXPECT_EQ(Load(missing, 4, 4, RawVariant::Plain), std::vector<std::uint32_t>(16, 0));
    EXPECT_EQ(Load(missing, 4, 4, RawVariant::Alpha), std::vector<std::uint32_t>(16, 0));
    EXPECT_EQ(Load(dir.path.string(), 4, 4, RawVariant::Alpha), std::vector<std::uint32_t>(16, 0));
}

TEST(LoadRawImage, ShortFileReadsFFPastItsEndAndLongFileIsCut)
{
    TempDirectory dir;
    std::vector<std::uint8_t> bytes(64 * 64 * 3 - 1, 0x10);
    const std::vector<std::uint32_t> shortImage = Load(dir.Write("short.raw", bytes), 64, 64, RawVariant::Plain);
    EXPECT_EQ(shortImage[64 * 64 - 2], 0x00101010u);
    EXPECT_EQ(shortImage[64 * 64 - 1], 0x001010FFu); // the last pixel's B is past the end

    const std::vector<std::uint32_t> empty = Load(dir.Write("empty.raw", {}), 2, 1, RawVariant::Alpha);
    EXPECT_EQ(empty, (std::vector<std::uint32_t>{0xFFFFFFFF, 0xFFFFFFFF}));

    bytes.assign(2 * 3 + 3, 0x20);
    bytes[6] = 0x99; // one pixel more than the image holds
    EXPECT_EQ(Load(dir.Write("long.raw", bytes), 2, 1, RawVariant::Plain),
              (std::vector<std::uint32_t>{0x00202020, 0x00202020}));
}
