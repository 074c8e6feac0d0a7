#pragma once

#include <cstddef>
#include <cstdint>

// The system's one image type: width x height pixel words 0xAARRGGBB,
// row-major with row 0 at the top; pixel (x, y) is pixels[y * width + x].
class Bitmap {
public:
    Bitmap();
    virtual ~Bitmap();

    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // Replaces the block with an uncleared one of width x height words and
    // returns it (null when the allocation failed; the sizes are stored anyway).
    std::uint32_t* Resize(std::int32_t width, std::int32_t height);

    // width x height, as a count of words.
    std::size_t PixelCount() const { return static_cast<std::size_t>(width) * static_cast<std::size_t>(height); }

    std::uint32_t* pixels;
    std::int32_t width;
    std::int32_t height;
};
