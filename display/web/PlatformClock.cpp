#include "PlatformClock.h"

#include <emscripten/emscripten.h>

// The page's clock (performance.now, milliseconds since the page opened, with
// a fraction) truncated to whole milliseconds and wrapped at 2^32.
std::uint32_t PlatformMilliseconds()
{
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(emscripten_get_now()));
}
