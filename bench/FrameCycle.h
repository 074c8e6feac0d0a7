#pragma once

#include <cstdint>

#include "AnimationClock.h"

// A clock that moves 16 ms a frame through the same 250 frames (4 s) over
// and over, so the light and the picture sweep the frame as in the running
// demo, the light at a new place almost every frame, and every measurement
// averages over the same frames.
constexpr std::uint32_t kFramesInCycle = 250;

inline MillisecondClock FrameCycleClock()
{
    return [frame = 0u]() mutable { return 16 * (frame++ % kFramesInCycle); };
}
