// present-pattern: shows the test pattern through the demo's window layer
// until the window is closed or Escape is pressed.
#include <cstdio>

#include "Bitmap.h"
#include "DisplayWindow.h"
#include "TestPattern.h"
#include "WindowedDisplay.h"

int main()
{
    WindowedDisplay display;
    if (display.Open(kPatternSize, kPatternSize) != 0) {
        std::fprintf(stderr, "present-pattern: cannot open the display: %s\n", DisplayFailureReason());
        return 1;
    }
    Bitmap frame;
    if (!frame.Resize(kPatternSize, kPatternSize)) {
        std::fprintf(stderr, "present-pattern: out of memory\n");
        return 1;
    }
    for (std::int32_t y = 0; y < kPatternSize; ++y)
        for (std::int32_t x = 0; x < kPatternSize; ++x)
            frame.pixels[y * kPatternSize + x] = PatternPixel(x, y);
    for (;;)
        display.Present(&frame);
}
