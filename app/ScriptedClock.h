#pragma once

#include <cstdint>

#include "AnimationClock.h"

// A clock whose first reading is start and each further reading step
// milliseconds later, wrapping at 2^32 as a real millisecond count does.
inline MillisecondClock ScriptedClock(std::uint32_t start, std::uint32_t step)
{
    return [next = start, step]() mutable {
        const std::uint32_t now = next;
        next += step;
        return now;
    };
}
