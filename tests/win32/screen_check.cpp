// screen-check: checks the client area of the display window in a
// screenshot (a window dump file). The area is given in screen coordinates
// and may reach past the screen; only its part in the screenshot is checked.
//   screen-check pattern SHOT X Y W H
//     every pixel shows the test pattern stretched to W x H, converted to the
//     screen's format; exact at 240 x 240, within one source pixel otherwise
//   screen-check colours SHOT X Y W H MIN
//     the area holds at least MIN distinct colours: a picture, not a blank
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "RowConverters.h"
#include "TestPattern.h"
#include "XwdImage.h"

namespace {

struct Area {
    std::int32_t x, y, width, height;
};

struct Span {
    std::int32_t low, high;
};

// The part of [start, start + length) that the image holds, in screen coordinates.
Span Visible(std::int32_t start, std::int32_t length, std::int32_t imageStart, std::int32_t imageLength)
{
    return {std::max(start, imageStart), std::min(start + length, imageStart + imageLength)};
}

// The pattern pixel in the screen's format, bits outside the colour masks cleared.
std::uint32_t ScreenPattern(RowConverter convert, const XwdImage& shot, std::int32_t x, std::int32_t y)
{
    const std::uint32_t source = PatternPixel(x, y);
    std::uint8_t bytes[4] = {};
    convert(&source, bytes, 1);
    const std::uint32_t value = bytes[0] | (std::uint32_t{bytes[1]} << 8) | (std::uint32_t{bytes[2]} << 16) |
                                (std::uint32_t{bytes[3]} << 24);
    return value & (shot.redMask | shot.greenMask | shot.blueMask);
}

bool MatchesPattern(RowConverter convert, const XwdImage& shot, std::uint32_t pixel, std::int32_t sourceX,
                    std::int32_t sourceY, std::int32_t tolerance)
{
    for (std::int32_t dy = -tolerance; dy <= tolerance; ++dy) {
        for (std::int32_t dx = -tolerance; dx <= tolerance; ++dx) {
            const std::int32_t x = sourceX + dx;
            const std::int32_t y = sourceY + dy;
            if (x >= 0 && x < kPatternSize && y >= 0 && y < kPatternSize &&
                ScreenPattern(convert, shot, x, y) == pixel)
                return true;
        }
    }
    return false;
}

int CheckPattern(const XwdImage& shot, const Area& area)
{
    const RowConverter convert = SelectRowConverter(8 * shot.bytesPerPixel, shot.redMask,
                                                    shot.greenMask, shot.blueMask);
    if (!convert) {
        std::fprintf(stderr, "screen-check: the screenshot's pixel format is not one the display supports\n");
        return 1;
    }
    const std::uint32_t colourBits = shot.redMask | shot.greenMask | shot.blueMask;
    const std::int32_t tolerance = area.width == kPatternSize && area.height == kPatternSize ? 0 : 1;
    const Span columns = Visible(area.x, area.width, shot.screenX, shot.width);
    const Span rows = Visible(area.y, area.height, shot.screenY, shot.height);
    long checked = 0;
    long wrong = 0;
    for (std::int32_t y = rows.low; y < rows.high; ++y) {
        for (std::int32_t x = columns.low; x < columns.high; ++x) {
            const std::int32_t sourceX = static_cast<std::int32_t>(
                static_cast<std::int64_t>(x - area.x) * kPatternSize / area.width);
            const std::int32_t sourceY = static_cast<std::int32_t>(
                static_cast<std::int64_t>(y - area.y) * kPatternSize / area.height);
            const std::uint32_t pixel = shot.Pixel(x - shot.screenX, y - shot.screenY) & colourBits;
            ++checked;
            if (!MatchesPattern(convert, shot, pixel, sourceX, sourceY, tolerance)) {
                if (wrong < 5)
                    std::fprintf(stderr, "screen-check: screen (%d, %d) is 0x%X, pattern (%d, %d) is 0x%X\n", x, y,
                                 pixel, sourceX, sourceY, ScreenPattern(convert, shot, sourceX, sourceY));
                ++wrong;
            }
        }
    }
    std::printf("%ld of %ld visible pixels differ from the pattern\n", wrong, checked);
    return checked > 0 && wrong == 0 ? 0 : 1;
}

int CheckColours(const XwdImage& shot, const Area& area, std::size_t minimum)
{
    const std::uint32_t colourBits = shot.redMask | shot.greenMask | shot.blueMask;
    const Span columns = Visible(area.x, area.width, shot.screenX, shot.width);
    const Span rows = Visible(area.y, area.height, shot.screenY, shot.height);
    std::set<std::uint32_t> colours;
    for (std::int32_t y = rows.low; y < rows.high; ++y)
        for (std::int32_t x = columns.low; x < columns.high; ++x)
            colours.insert(shot.Pixel(x - shot.screenX, y - shot.screenY) & colourBits);
    std::printf("%zu distinct colours\n", colours.size());
    return colours.size() >= minimum ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const bool pattern = argc == 7 && std::strcmp(argv[1], "pattern") == 0;
    const bool colours = argc == 8 && std::strcmp(argv[1], "colours") == 0;
    if (!pattern && !colours) {
        std::fprintf(stderr, "usage: screen-check pattern SHOT X Y W H | colours SHOT X Y W H MIN\n");
        return 2;
    }
    XwdImage shot;
    std::string error;
    if (!ReadXwdImage(argv[2], shot, error)) {
        std::fprintf(stderr, "screen-check: %s\n", error.c_str());
        return 1;
    }
    const Area area = {std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]), std::atoi(argv[6])};
    if (area.width <= 0 || area.height <= 0) {
        std::fprintf(stderr, "screen-check: the area is empty\n");
        return 1;
    }
    if (pattern)
        return CheckPattern(shot, area);
    return CheckColours(shot, area, std::strtoul(argv[7], nullptr, 10));
}
