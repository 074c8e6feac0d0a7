// demo in a web page: the banner, the canvas, the five images, the start
// line, then one frame per animation frame of the browser until Escape. What
// the demo prints reaches the browser's console and the page (index.html).
#include <cstdio>

#include <emscripten/emscripten.h>

#include "CanvasDisplay.h"
#include "DemoProgram.h"
#include "OutOfMemory.h"
#include "PlatformClock.h"

namespace {

Demo demo;

void RunAnimationFrame()
{
    RunFrame(demo);
}

} // namespace

int main()
{
    PrintBanner(stdout);
    CanvasDisplay* display = RequireNew<CanvasDisplay>("the display");
    if (StartDemo(demo, *display, PlatformMilliseconds, {stdout, stderr, "demo"}) != 0) {
        std::fprintf(stderr, "demo: cannot open the display: the page has no canvas with a 2D context\n");
        return 1;
    }
    // Rate 0: the browser's animation frames pace the loop. main does not return.
    emscripten_set_main_loop(RunAnimationFrame, 0, EM_TRUE);
}
