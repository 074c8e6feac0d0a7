#pragma once

#include <cstdint>

#include "AnimationClock.h"
#include "Bitmap.h"
#include "DemoProgram.h"
#include "LightingTables.h"

// A demo whose images are random instead of loaded from datas/: every word of
// every image random (top bytes too), one normal in eight black, one
// alternate pixel in four without coverage. There is no display; the clock
// is read once for the start time, as the demo does.
class RandomScene {
public:
    RandomScene(std::uint32_t seed, MillisecondClock clock);

    RandomScene(const RandomScene&) = delete;
    RandomScene& operator=(const RandomScene&) = delete;

    Demo demo;
};
