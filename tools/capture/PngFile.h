#pragma once

#include <string>

#include "Bitmap.h"

// Whether this build can write PNG files (it needs libpng).
bool PngSupported();

// Writes the frame's R, G and B as an 8-bit RGB PNG file, complete or not at
// all. Returns false with a one-line reason in error.
bool WritePngFile(const std::string& path, const Bitmap& frame, std::string& error);
