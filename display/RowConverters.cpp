#include "RowConverters.h"

#include <cstring>

namespace {

// Four source pixels, and eight 16-bit destination pixels. The formulas
// below serve one pixel and four alike.
typedef std::uint32_t Words __attribute__((vector_size(16)));
typedef std::uint16_t Halfwords __attribute__((vector_size(16)));
constexpr std::uint32_t kGroup = 4;

// Pixels go into the destination as words and halfwords of the host, whose
// byte order is that of the surfaces.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "surfaces are little-endian");

void Store16(std::uint8_t* destination, std::uint32_t value)
{
    const std::uint16_t halfword = static_cast<std::uint16_t>(value);
    std::memcpy(destination, &halfword, sizeof halfword);
}

void Store32(std::uint8_t* destination, std::uint32_t value)
{
    std::memcpy(destination, &value, sizeof value);
}

Words LoadGroup(const std::uint32_t* source)
{
    Words words;
    std::memcpy(&words, source, sizeof words);
    return words;
}

template <typename P>
P Rgb565(P p)
{
    return ((p >> 8) & 0xF800u) | ((p >> 5) & 0x07E0u) | ((p >> 3) & 0x001Fu);
}

template <typename P>
P Bgr565(P p)
{
    return ((p & 0xF8u) << 8) | ((p >> 5) & 0x07E0u) | ((p >> 19) & 0x001Fu);
}

template <typename P>
P Rgb555(P p)
{
    return ((p >> 9) & 0x7C00u) | ((p >> 6) & 0x03E0u) | ((p >> 3) & 0x001Fu);
}

template <typename P>
P Bgr555(P p)
{
    return ((p & 0xF8u) << 7) | ((p >> 6) & 0x03E0u) | ((p >> 19) & 0x001Fu);
}

template <typename P>
P SwapRedBlue(P p)
{
    return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16);
}

// One loop for every 16-bit format, eight pixels a step (the low halves of
// two groups' words), then one at a time.
template <typename Pack>
void PackRow16(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count, Pack pack)
{
    std::uint32_t i = 0;
    for (; i + 2 * kGroup <= count; i += 2 * kGroup) {
        const Halfwords first = (Halfwords)pack(LoadGroup(source + i));
        const Halfwords second = (Halfwords)pack(LoadGroup(source + i + kGroup));
        const Halfwords packed = __builtin_shufflevector(first, second, 0, 2, 4, 6, 8, 10, 12, 14);
        std::memcpy(destination + 2 * i, &packed, sizeof packed);
    }
    for (; i < count; ++i)
        Store16(destination + 2 * i, pack(source[i]));
}

// Three bytes a pixel, in the byte order of a word's three low bytes: four
// pixels go out as three words, then the rest pixel by pixel.
template <std::uint32_t (*Arrange)(std::uint32_t)>
void PackRowOf24(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    std::uint32_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const std::uint32_t p0 = Arrange(source[i]);
        const std::uint32_t p1 = Arrange(source[i + 1]);
        const std::uint32_t p2 = Arrange(source[i + 2]);
        const std::uint32_t p3 = Arrange(source[i + 3]);
        std::uint8_t* target = destination + 3 * i;
        Store32(target, (p0 & 0xFFFFFFu) | (p1 << 24));
        Store32(target + 4, ((p1 >> 8) & 0xFFFFu) | (p2 << 16));
        Store32(target + 8, ((p2 >> 16) & 0xFFu) | (p3 << 8));
    }
    for (; i < count; ++i) {
        const std::uint32_t p = Arrange(source[i]);
        destination[3 * i] = static_cast<std::uint8_t>(p);
        destination[3 * i + 1] = static_cast<std::uint8_t>(p >> 8);
        destination[3 * i + 2] = static_cast<std::uint8_t>(p >> 16);
    }
}

std::uint32_t KeepOrder(std::uint32_t p)
{
    return p;
}

} // namespace

void CopyRow32(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    if (count != 0)
        std::memcpy(destination, source, count * sizeof(std::uint32_t));
}

void SwapRow32(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    std::uint32_t i = 0;
    for (; i + kGroup <= count; i += kGroup) {
        const Words swapped = SwapRedBlue(LoadGroup(source + i));
        std::memcpy(destination + 4 * i, &swapped, sizeof swapped);
    }
    for (; i < count; ++i)
        Store32(destination + 4 * i, SwapRedBlue(source[i]));
}

void PackRow24(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    PackRowOf24<KeepOrder>(source, destination, count);
}

void SwapRow24(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    PackRowOf24<SwapRedBlue<std::uint32_t>>(source, destination, count);
}

void PackRow565(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    PackRow16(source, destination, count, [](auto p) { return Rgb565(p); });
}

void PackRowBgr565(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    PackRow16(source, destination, count, [](auto p) { return Bgr565(p); });
}

void PackRow555(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    PackRow16(source, destination, count, [](auto p) { return Rgb555(p); });
}

void PackRowBgr555(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count)
{
    PackRow16(source, destination, count, [](auto p) { return Bgr555(p); });
}

void ConvertRows(RowConverter converter, const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                 std::uint8_t* destination, std::int32_t pitch)
{
    const auto count = static_cast<std::uint32_t>(width);
    for (std::int32_t y = 0; y < height; ++y)
        converter(pixels + y * width, destination + y * pitch, count);
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
