#pragma once

#include <cstdint>

#include "FrameStretch.h"

// The rectangle of a window's client area that shows the frame.
struct FrameArea {
    std::int32_t x;
    std::int32_t y;
    std::int32_t width;
    std::int32_t height;

    bool operator==(const FrameArea& other) const
    {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
    bool operator!=(const FrameArea& other) const { return !(*this == other); }
};

// The largest whole factor by which a width x height frame fits a screen of
// screenWidth x screenHeight pixels, never below 1.
std::int32_t WholeFactor(std::int32_t width, std::int32_t height, std::int32_t screenWidth,
                         std::int32_t screenHeight);

// Where the frame goes in a client area of windowWidth x windowHeight pixels.
// In a window, the whole client area, stretched to it. In full screen, the
// frame repeated by the whole factor and centred, the rest black; a screen
// smaller than the frame itself gets the whole client area, as a window does.
FrameArea WindowFrameArea(bool fullScreen, std::int32_t width, std::int32_t height, std::int32_t windowWidth,
                          std::int32_t windowHeight);

// Converts the frame (width x height words) into area of a destination of
// destinationWidth x destinationHeight pixels, stretched by stretch. The rest
// of the destination is made black (every byte 0) when area differs from
// drawnArea, the area last drawn into this destination, which then becomes area.
void ConvertIntoArea(FrameStretch& stretch, FrameArea& drawnArea, const FrameArea& area, RowConverter converter,
                     std::int32_t bytesPerPixel, const std::uint32_t* pixels, std::int32_t width,
                     std::int32_t height, std::uint8_t* destination, std::int32_t pitch,
                     std::int32_t destinationWidth, std::int32_t destinationHeight);
