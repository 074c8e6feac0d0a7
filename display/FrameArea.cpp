#include "FrameArea.h"

#include <algorithm>
#include <cstring>

std::int32_t WholeFactor(std::int32_t width, std::int32_t height, std::int32_t screenWidth,
                         std::int32_t screenHeight)
{
    if (width <= 0 || height <= 0)
        return 1;
    return std::max<std::int32_t>(1, std::min(screenWidth / width, screenHeight / height));
}

FrameArea WindowFrameArea(bool fullScreen, std::int32_t width, std::int32_t height, std::int32_t windowWidth,
                          std::int32_t windowHeight)
{
    const FrameArea whole = {0, 0, windowWidth, windowHeight};
    if (!fullScreen)
        return whole;
    const std::int32_t factor = WholeFactor(width, height, windowWidth, windowHeight);
    const FrameArea area = {(windowWidth - width * factor) / 2, (windowHeight - height * factor) / 2,
                            width * factor, height * factor};
    return area.x < 0 || area.y < 0 ? whole : area;
}

void ConvertIntoArea(FrameStretch& stretch, FrameArea& drawnArea, const FrameArea& area, RowConverter converter,
                     std::int32_t bytesPerPixel, const std::uint32_t* pixels, std::int32_t width,
                     std::int32_t height, std::uint8_t* destination, std::int32_t pitch,
                     std::int32_t destinationWidth, std::int32_t destinationHeight)
{
    // Black is 0 in every pixel format the converters write.
    if (area != drawnArea) {
        const std::size_t rowBytes = static_cast<std::size_t>(destinationWidth) * bytesPerPixel;
        for (std::int32_t y = 0; y < destinationHeight; ++y)
            std::memset(destination + static_cast<std::ptrdiff_t>(y) * pitch, 0, rowBytes);
        drawnArea = area;
    }
    std::uint8_t* corner = destination + static_cast<std::ptrdiff_t>(area.y) * pitch +
                           static_cast<std::ptrdiff_t>(area.x) * bytesPerPixel;
    stretch.Convert(converter, bytesPerPixel, pixels, width, height, corner, pitch, area.width, area.height);
}
