// present-pattern: shows one fixed 240 x 240 test pattern through the
// windowed display, frame after frame, so that a screenshot of the window can
// be compared pixel by pixel with the pattern. Quits like the demo.
#include <cstdio>

#include "Bitmap.h"
#include "DisplayWindow.h"
#include "WindowedDisplay.h"

int main()
{
    WindowedDisplay display;
    if (display.Open(240, 240) != 0) {
        std::fprintf(stderr, "present-pattern: cannot open the display: %s\n", DisplayFailureReason());
        return 1;
    }
    Bitmap frame;
    if (!frame.Resize(240, 240))
        return 1;
    // Red follows x, green follows y, blue mixes both; the top byte is set
    // to show that it does not reach the screen.
    for (std::uint32_t y = 0; y < 240; ++y)
        for (std::uint32_t x = 0; x < 240; ++x)
            frame.pixels[y * 240 + x] = 0xA5000000u | (x << 16) | (y << 8) | ((x ^ y) & 0xFFu);
    for (;;)
        display.Present(&frame);
}
