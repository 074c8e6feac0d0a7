#pragma once

#include <cstdint>
#include <vector>

// One generated data file: headerless 8-bit RGB, rows from the top, each row
// left to right, width * height * 3 bytes.
struct DataImage {
    const char* fileName;
    int width;
    int height;
    std::vector<std::uint8_t> rgb;
};

// Draws the demo's five images, the same bytes on every platform: the museum
// picture, the smiling face over its sphere, the picture's normal map, the
// flare and the particle sprite, in that order.
std::vector<DataImage> GenerateDataImages();
