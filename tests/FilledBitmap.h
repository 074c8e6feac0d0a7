#pragma once

#include <cstdint>

#include "Bitmap.h"

// Sizes bitmap to width x height with every pixel set to value.
inline void Fill(Bitmap& bitmap, int width, int height, std::uint32_t value)
{
    bitmap.Resize(width, height);
    for (int i = 0; i < width * height; ++i)
        bitmap.pixels[i] = value;
}
