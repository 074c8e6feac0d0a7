#pragma once

#include <cstdint>
#include <vector>

#include "Bitmap.h"

// Every pixel word, top byte included, little-endian, row 0 first.
void EncodeRawFrame(const Bitmap& frame, std::vector<std::uint8_t>& bytes);

// A binary PPM image (P6, maximum value 255) of the frame's R, G and B.
void EncodePpmFrame(const Bitmap& frame, std::vector<std::uint8_t>& bytes);

// The frame's R, G and B, three bytes a pixel, row 0 first.
void EncodeRgb(const Bitmap& frame, std::vector<std::uint8_t>& bytes);
