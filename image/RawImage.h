#pragma once

#include "Bitmap.h"
#include "Stream.h"

// How the top byte of a loaded pixel is filled.
enum class RawVariant {
    Plain, // 0
    Alpha, // the mean of R, G and B, as a coverage value
};

// Fills bitmap (already sized) from a headerless 8-bit RGB file, rows from
// the top. A file that can't be opened gives all 0x00000000; bytes past the
// end of a short file read as 0xFF; bytes past the image are not read.
void LoadRawImage(InputStream& stream, const char* name, Bitmap& bitmap, RawVariant variant);
