#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A screenshot as the X window dump tool writes it (ZPixmap, 2, 3 or 4 bytes
// a pixel): the raw pixel values in the screen's format. A dump of one
// window holds its part on the screen, whose top left corner is at (screenX,
// screenY); a dump of the root window starts at (0, 0).
struct XwdImage {
    std::int32_t screenX = 0;
    std::int32_t screenY = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t bytesPerPixel = 0;
    std::uint32_t redMask = 0;
    std::uint32_t greenMask = 0;
    std::uint32_t blueMask = 0;

    // The pixel at image coordinates (x, y).
    std::uint32_t Pixel(std::int32_t x, std::int32_t y) const;

    std::uint32_t bytesPerLine = 0;
    bool mostSignificantFirst = false;
    std::vector<std::uint8_t> data;
};

// False, with a one-line reason in error, for an unreadable or unsupported file.
bool ReadXwdImage(const std::string& path, XwdImage& image, std::string& error);
