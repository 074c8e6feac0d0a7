// The page's test hook: demo-capture's frame loop drawn into the canvas. The
// page calls it instead of main, on a fresh page, so that the fountain starts
// from its first step; Module.onFrameShown sees each frame in the canvas.
#include <cstdint>
#include <cstdio>

#include <emscripten/emscripten.h>

#include "CanvasDisplay.h"
#include "DemoProgram.h"
#include "ScriptedClock.h"

// Draws `frames` frames with a clock whose first reading is start and each
// further reading step milliseconds later. 0, or -1 when the canvas cannot
// be opened.
extern "C" EMSCRIPTEN_KEEPALIVE std::int32_t RunCapture(std::uint32_t start, std::uint32_t step, std::uint32_t frames)
{
    static CanvasDisplay display;
    static Demo demo;
    if (StartDemo(demo, display, ScriptedClock(start, step), {nullptr, stderr, "demo"}) != 0) {
        std::fprintf(stderr, "demo: cannot open the display: the page has no canvas with a 2D context\n");
        return -1;
    }
    for (std::uint32_t k = 0; k < frames; ++k)
        RunFrame(demo);
    return 0;
}
