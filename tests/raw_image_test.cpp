#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "FileInputStream.h"
#include "RawImage.h"
#include "TempFiles.h"

namespace {

std::vector<std::uint32_t> Load(const std::string& path, int width, int height, RawVariant variant,
                                 RawImageLoad* load = nullptr)
{
    FileInputStream stream;
    Bitmap bitmap;
    bitmap.Resize(width, height);
    const RawImageLoad result = LoadRawImage(stream, path.c_str(), bitmap, variant);
    if (load)
        *load = result;
    EXPECT_EQ(stream.IsOpen(), 0) << "the loader closes the stream";
    return std::vector<std::uint32_t>(bitmap.pixels, bitmap.pixels + width * height);
}

} // namespace

TEST(LoadRawImage, ReadsRowsFromTheTopInBothVariants)
{
    TempDirectory dir;
    const std::string path = dir.Write("image.raw", {0x12, 0x34, 0x56, 255, 255, 254, 0, 0, 0, 255, 255, 255, 1, 2, 4, 9, 9, 9});
    RawImageLoad load;
    EXPECT_EQ(Load(path, 3, 2, RawVariant::Plain, &load),
              (std::vector<std::uint32_t>{0x00123456, 0x00FFFFFE, 0x00000000, 0x00FFFFFF, 0x00010204, 0x00090909}));
    EXPECT_EQ(load.opened, 0);
    EXPECT_EQ(load.missingBytes, 0u) << "a file exactly the image's size lacks nothing";
    EXPECT_EQ(Load(path, 3, 2, RawVariant::Alpha),
              (std::vector<std::uint32_t>{0x34123456, 0xFEFFFFFE, 0x00000000, 0xFFFFFFFF, 0x02010204, 0x09090909}));
}

TEST(LoadRawImage, MissingFileGivesBlackTransparentPixels)
{
    TempDirectory dir;
    const std::string missing = (dir.path / "missing.raw").string();
    RawImageLoad load;
    EXPECT_EQ(Load(missing, 4, 4, RawVariant::Plain, &load), std::vector<std::uint32_t>(16, 0));
    EXPECT_EQ(load.opened, -1);
    EXPECT_EQ(load.openError, ENOENT);
    EXPECT_EQ(load.missingBytes, 0u) << "a file that did not open is not short";
    EXPECT_EQ(Load(missing, 4, 4, RawVariant::Alpha), std::vector<std::uint32_t>(16, 0));
    EXPECT_EQ(Load(dir.path.string(), 4, 4, RawVariant::Alpha), std::vector<std::uint32_t>(16, 0));
}

TEST(LoadRawImage, ShortFileReadsFFPastItsEndAndLongFileIsCut)
{
    TempDirectory dir;
    std::vector<std::uint8_t> bytes(64 * 64 * 3 - 1, 0x10);
    RawImageLoad load;
    const std::vector<std::uint32_t> shortImage = Load(dir.Write("short.raw", bytes), 64, 64, RawVariant::Plain, &load);
    EXPECT_EQ(shortImage[64 * 64 - 2], 0x00101010u);
    EXPECT_EQ(shortImage[64 * 64 - 1], 0x001010FFu); // the last pixel's B is past the end
    EXPECT_EQ(load.missingBytes, 1u);

    const std::vector<std::uint32_t> empty = Load(dir.Write("empty.raw", {}), 2, 1, RawVariant::Alpha, &load);
    EXPECT_EQ(empty, (std::vector<std::uint32_t>{0xFFFFFFFF, 0xFFFFFFFF}));
    EXPECT_EQ(load.missingBytes, 6u);

    bytes.assign(2 * 3 + 3, 0x20);
    bytes[6] = 0x99; // one pixel more than the image holds
    EXPECT_EQ(Load(dir.Write("long.raw", bytes), 2, 1, RawVariant::Plain, &load),
              (std::vector<std::uint32_t>{0x00202020, 0x00202020}));
    EXPECT_EQ(load.missingBytes, 0u);
}
