#pragma once

#include <cstdint>

// Words of the frame that a pass drew over: `height` runs of `width` words,
// the first at index `first`, each one frame row after the one before.
struct DrawnBlock {
    std::int32_t first;
    std::int32_t width;
    std::int32_t height;
};
