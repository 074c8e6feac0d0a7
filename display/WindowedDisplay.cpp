#include "WindowedDisplay.h"

#include "DisplayWindow.h"

namespace {
const char kWindowTitle[] = "Zarn Screen Copier";
}

std::int32_t WindowedDisplay::Open(std::int32_t newWidth, std::int32_t newHeight)
{
    if (CreateDisplayWindow(kWindowTitle, newWidth, newHeight) == 0) {
        width = 0;
        height = 0;
        return -1;
    }
    width = newWidth;
    height = newHeight;
    return 0;
}

std::int32_t WindowedDisplay::Close()
{
    return 0;
}

std::int32_t WindowedDisplay::Present(const Bitmap* bitmap)
{
    const std::int32_t checked = CheckBitmap(bitmap);
    if (checked != 0)
        return checked;
    // After a failed Open both sizes are 0: a 0 x 0 bitmap has nothing to show.
    if (width == 0 || height == 0)
        return 0;
    PresentPixels(bitmap->pixels);
    return 0;
}
