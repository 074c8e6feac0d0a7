#pragma once

#include <cstdint>

#include "Bitmap.h"
#include "Stream.h"

// How the top byte of a loaded pixel is filled.
enum class RawVariant {
    Plain, // 0
    Alpha, // the mean of R, G and B, as a coverage value
};

// What a load met, for the caller to report: the stream's Open code, the
// errno a failed Open left (0 when there was none), and how many of the
// image's bytes lay past the end of the file.
struct RawImageLoad {
    std::int32_t opened = 0;
    int openError = 0;
    std::uint32_t missingBytes = 0;
};

// Fills bitmap (already sized) from a headerless 8-bit RGB file, rows from
// the top. A file that can't be opened gives all 0x00000000; bytes past the
// end of a short file read as 0xFF; bytes past the image are not read.
RawImageLoad LoadRawImage(InputStream& stream, const char* name, Bitmap& bitmap, RawVariant variant);
