#include "RowConverters.h"

#include <cstring>

namespace {

void Store16(std::uint8_t* destination, std::uint32_t value)
{
    destination[0] = static_cast<std::uint8_t>(value);
    destination[1] = static_cast<std::uint8_t>(value >> 8);
}

void Store32(std::uint8_t* destination, std::uint32_t value)
{
    destination[0] = static_cast<std::uint8_t>(value);
    destination[1] = static_cast<std::uint8_t>(value >> 8);
    destination[2] = static_cast<std::uint8_t>(value >> 16);
    destination[3] = static_cast<std::uint8_t>(value >> 24);
}

// One loop for every 16-bit format; Pack is inlined, so there is no call per pixel.
template <std::uint32_t (*Pack)(std::uint32_t)>
void PackRow16(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    for (std::uint32_t i = 0; i < count; ++i)
        Store16(destination + 2 * i, Pack(source[i]));
}

std::uint32_t Rgb565(std::uint32_t p)
{
    return ((p >> 8) & 0xF800) | ((p >> 5) & 0x07E0) | ((p >> 3) & 0x001F);
}

std::uint32_t Bgr565(std::uint32_t p)
{
    return ((p & 0xF8) << 8) | ((p >> 5) & 0x07E0) | ((p >> 19) & 0x001F);
}

std::uint32_t Rgb555(std::uint32_t p)
{
    return ((p >> 9) & 0x7C00) | ((p >> 6) & 0x03E0) | ((p >> 3) & 0x001F);
}

std::uint32_t Bgr555(std::uint32_t p)
{
    return ((p & 0xF8) << 7) | ((p >> 6) & 0x03E0) | ((p >> 19) & 0x001F);
}

} // namespace

void CopyRow32(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    if (count != 0)
        std::memcpy(destination, source, count * sizeof(std::uint32_t));
}

void SwapRow32(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t p = source[i];
        Store32(destination + 4 * i, ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16));
    }
}

void PackRow24(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t p = source[i];
        destination[3 * i] = static_cast<std::uint8_t>(p);
        destination[3 * i + 1] = static_cast<std::uint8_t>(p >> 8);
        destination[3 * i + 2] = static_cast<std::uint8_t>(p >> 16);
    }
}

void SwapRow24(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t p = source[i];
        destination[3 * i] = static_cast<std::uint8_t>(p >> 16);
        destination[3 * i + 1] = static_cast<std::uint8_t>(p >> 8);
        destination[3 * i + 2] = static_cast<std::uint8_t>(p);
    }
}

void PackRow565(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    PackRow16<Rgb565>(source, destination, count);
}

void PackRowBgr565(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    PackRow16<Bgr565>(source, destination, count);
}

void PackRow555(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    PackRow16<Rgb555>(source, destination, count);
}

void PackRowBgr555(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    PackRow16<Bgr555>(source, destination, count);
}

RowConverter SelectRowConverter(std::uint32_t bitCount, std::uint32_t redMask, std::uint32_t greenMask,
                                std::uint32_t blueMask)
{
    struct Format {
        std::uint32_t bitCount, redMask, greenMask, blueMask;
        RowConverter converter;
    };
    static const Format formats[] = {
        {32, 0x00FF0000, 0x0000FF00, 0x000000FF, CopyRow32},
        {32, 0x000000FF, 0x0000FF00, 0x00FF0000, SwapRow32},
        {24, 0xFF0000, 0x00FF00, 0x0000FF, PackRow24},
        {24, 0x0000FF, 0x00FF00, 0xFF0000, SwapRow24},
        {16, 0xF800, 0x07E0, 0x001F, PackRow565},
        {16, 0x001F, 0x07E0, 0xF800, PackRowBgr565},
        {16, 0x7C00, 0x03E0, 0x001F, PackRow555},
        {16, 0x001F, 0x03E0, 0x7C00, PackRowBgr555},
    };
    for (const Format& format : formats) {
        if (format.bitCount == bitCount && format.redMask == redMask && format.greenMask == greenMask &&
            format.blueMask == blueMask)
            return format.converter;
    }
    return nullptr;
}
