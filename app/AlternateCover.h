#pragma once

#include <cstdint>

#include "Bitmap.h"

// The columns of one picture row from first up to end; none when first ==
// end.
struct ColumnSpan {
    std::int32_t first;
    std::int32_t end;
};

// Where the alternate picture covers the picture under it: for each of its
// rows, the span from its first to its last pixel with a top byte that is
// not 0. Outside it a blinking frame shows the picture alone, so the blend
// of the alternate picture is left out there. The demo's alternate picture,
// a smile on the sphere, covers about a quarter of the frame.
class AlternateCover {
public:
    static constexpr std::int32_t kRows = 240;

    // Rows past the bitmap's height cover nothing.
    explicit AlternateCover(const Bitmap& alternatePicture);

    ColumnSpan rows[kRows];
};
