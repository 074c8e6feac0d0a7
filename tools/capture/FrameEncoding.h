#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Bitmap.h"

struct ByteSpan {
    const std::uint8_t* data;
    std::size_t size;
};

// Every pixel word, top byte included, little-endian, row 0 first: on the
// little-endian hosts the demo runs on, the frame's own memory, written as
// it is with no copy.
ByteSpan RawFrameBytes(const Bitmap& frame);

// A binary PPM image (P6, maximum value 255) of the frame's R, G and B,
// made in bytes, which it resizes: the image is the span returned, placed so
// that its pixel bytes start on a 64-byte boundary.
ByteSpan EncodePpmFrame(const Bitmap& frame, std::vector<std::uint8_t>& bytes);

// The frame's R, G and B, three bytes a pixel, row 0 first.
void EncodeRgb(const Bitmap& frame, std::vector<std::uint8_t>& bytes);
