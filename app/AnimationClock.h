#pragma once

#include <cstdint>
#include <functional>

// A millisecond count that wraps at 2^32: the platform's clock, or a scripted one.
using MillisecondClock = std::function<std::uint32_t()>;

// The animation's time: the clock reading at the start and the seconds since,
// as last read by the lit picture pass.
struct AnimationClock {
    MillisecondClock read;
    std::uint32_t startTime = 0;
    float elapsed = 0.0f;
};
