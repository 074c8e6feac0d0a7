#include "AlternateCover.h"

AlternateCover::AlternateCover(const Bitmap& alternatePicture)
{
    for (std::int32_t y = 0; y < kRows; ++y) {
        ColumnSpan span{0, 0};
        if (y < alternatePicture.height) {
            const std::uint32_t* row = alternatePicture.pixels + y * alternatePicture.width;
            std::int32_t first = 0;
            while (first < alternatePicture.width && (row[first] >> 24) == 0)
                ++first;
            std::int32_t end = alternatePicture.width;
            while (end > first && (row[end - 1] >> 24) == 0)
                --end;
            if (first < end)
                span = {first, end};
        }
        rows[y] = span;
    }
}
