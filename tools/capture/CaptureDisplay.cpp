#include "CaptureDisplay.h"

#include <utility>

CaptureDisplay::CaptureDisplay(FrameSink frameSink) : sink(std::move(frameSink)) {}

std::int32_t CaptureDisplay::Open(std::int32_t newWidth, std::int32_t newHeight)
{
    width = newWidth;
    height = newHeight;
    return 0;
}

std::int32_t CaptureDisplay::Close()
{
    return 0;
}

std::int32_t CaptureDisplay::Present(const Bitmap* bitmap)
{
    const std::int32_t checked = CheckBitmap(bitmap);
    if (checked != 0)
        return checked;
    return sink(*bitmap) ? 0 : -4;
}
