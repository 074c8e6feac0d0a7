#include "Bitmap.h"

#include <cstddef>
#include <cstdlib>

Bitmap::Bitmap() : pixels(nullptr), width(0), height(0)
{
    Resize(1, 1);
}

Bitmap::~Bitmap()
{
    if (pixels) {
        std::free(pixels);
        pixels = nullptr;
    }
}

std::uint32_t* Bitmap::Resize(std::int32_t newWidth, std::int32_t newHeight)
{
    width = newWidth;
    height = newHeight;
    if (pixels) {
        std::free(pixels);
        pixels = nullptr;
    }
    const std::size_t count = static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight);
    pixels = static_cast<std::uint32_t*>(std::malloc(count * sizeof(std::uint32_t)));
    return pixels;
}
