// demo: the banner, a window, the five images, the start line, then frames
// without end. The process ends inside Present when the user quits.
#include <cstdio>

#include "ConsoleDescriptors.h"
#include "DemoProgram.h"
#include "DisplayWindow.h"
#include "OutOfMemory.h"
#include "PlatformClock.h"
#include "WindowedDisplay.h"

int main()
{
    KeepConsoleDescriptorsTaken();
    // The console is written as printf is, its failures ignored: a reader
    // that has gone is no reason to stop.
    IgnoreGoneReaders();
    HandleOutOfMemory("demo");
    PrintBanner(stdout);
    WindowedDisplay* display = RequireNew<WindowedDisplay>("the display");
    static Demo demo;
    if (StartDemo(demo, *display, PlatformMilliseconds, {stdout, stderr, "demo"}) != 0) {
        std::fprintf(stderr, "demo: cannot open the display: %s\n", DisplayFailureReason());
        return 1;
    }
    for (;;)
        RunFrame(demo);
}
