#pragma once

#include "Display.h"

// The demo's display on the desktop: a window whose client area shows each
// frame, scaled. The window lives in the window layer's per-process state, not
// in this object; the process ends inside Present when the user quits.
class WindowedDisplay : public Display {
public:
    // 0 when the window was created, -1 (and sizes 0) when it was not.
    std::int32_t Open(std::int32_t width, std::int32_t height) override;
    // Does nothing: only the user ends the display.
    std::int32_t Close() override;
    // -1 for no bitmap, -2 for a width and -3 for a height other than the
    // display's, else 0 whether or not the copy succeeded.
    std::int32_t Present(const Bitmap* bitmap) override;
};
