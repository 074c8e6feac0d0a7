#include "Display.h"

Display::~Display()
{
    width = 0;
    height = 0;
}

std::int32_t Display::CheckBitmap(const Bitmap* bitmap) const
{
    if (!bitmap)
        return -1;
    if (bitmap->width != width)
        return -2;
    if (bitmap->height != height)
        return -3;
    return 0;
}
