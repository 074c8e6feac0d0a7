#include "XwdImage.h"

#include <fstream>
#include <iterator>

namespace {

enum HeaderField {
    kHeaderSize = 0,
    kFileVersion = 1,
    kPixmapFormat = 2,
    kWidth = 4,
    kHeight = 5,
    kByteOrder = 7,
    kBitsPerPixel = 11,
    kBytesPerLine = 12,
    kRedMask = 14,
    kGreenMask = 15,
    kBlueMask = 16,
    kColourCount = 19,
    kWindowX = 22,
    kWindowY = 23,
    kHeaderFieldCount = 25,
};

constexpr std::uint32_t kZPixmap = 2;
constexpr std::size_t kColourEntrySize = 12;

std::uint32_t BigEndian32(const std::uint8_t* bytes)
{
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
           bytes[3];
}

} // namespace

std::uint32_t XwdImage::Pixel(std::int32_t x, std::int32_t y) const
{
    const std::size_t bytes = bytesPerPixel;
    const std::uint8_t* p = data.data() + static_cast<std::size_t>(y) * bytesPerLine + x * bytes;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < bytes; ++i) {
        const std::size_t shift = mostSignificantFirst ? 8 * (bytes - 1 - i) : 8 * i;
        value |= std::uint32_t{p[i]} << shift;
    }
    return value;
}

bool ReadXwdImage(const std::string& path, XwdImage& image, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read '" + path + "'";
        return false;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.size() < 4 * kHeaderFieldCount) {
        error = "'" + path + "' is too short for a window dump";
        return false;
    }
    std::uint32_t header[kHeaderFieldCount];
    for (int i = 0; i < kHeaderFieldCount; ++i)
        header[i] = BigEndian32(bytes.data() + 4 * i);
    const std::uint32_t bits = header[kBitsPerPixel];
    if (header[kFileVersion] != 7 || header[kPixmapFormat] != kZPixmap || (bits != 16 && bits != 24 && bits != 32)) {
        error = "'" + path + "' is not a 16-, 24- or 32-bit ZPixmap window dump";
        return false;
    }
    image.screenX = static_cast<std::int32_t>(header[kWindowX]);
    image.screenY = static_cast<std::int32_t>(header[kWindowY]);
    image.width = static_cast<std::int32_t>(header[kWidth]);
    image.height = static_cast<std::int32_t>(header[kHeight]);
    image.bytesPerLine = header[kBytesPerLine];
    image.bytesPerPixel = bits / 8;
    image.mostSignificantFirst = header[kByteOrder] != 0;
    image.redMask = header[kRedMask];
    image.greenMask = header[kGreenMask];
    image.blueMask = header[kBlueMask];

    const std::size_t start = header[kHeaderSize] + kColourEntrySize * header[kColourCount];
    const std::size_t size = static_cast<std::size_t>(image.bytesPerLine) * header[kHeight];
    if (start > bytes.size() || bytes.size() - start < size ||
        image.bytesPerLine < header[kWidth] * image.bytesPerPixel) {
        error = "'" + path + "' is truncated";
        return false;
    }
    image.data.assign(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                      bytes.begin() + static_cast<std::ptrdiff_t>(start + size));
    return true;
}
