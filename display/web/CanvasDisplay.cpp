#include "CanvasDisplay.h"

#include <cstdlib>

#include "OutOfMemory.h"
#include "PageBindings.h"
#include "PageControls.h"

namespace {

const char kPageTitle[] = "Zarn Screen Copier";

// Canvas pixels are the bytes R, G, B, A: as a little-endian word, red in
// the low byte. The converter leaves the top byte 0; the canvas needs it 255.
constexpr std::uint32_t kCanvasBits = 32;
constexpr std::uint32_t kCanvasRedMask = 0x000000FF;
constexpr std::uint32_t kCanvasGreenMask = 0x0000FF00;
constexpr std::uint32_t kCanvasBlueMask = 0x00FF0000;
constexpr std::uint8_t kOpaque = 0xFF;

} // namespace

CanvasDisplay::~CanvasDisplay()
{
    std::free(rgba);
}

std::int32_t CanvasDisplay::Open(std::int32_t newWidth, std::int32_t newHeight)
{
    width = 0;
    height = 0;
    if (newWidth <= 0 || newHeight <= 0 || PageOpenCanvas(kPageTitle, newWidth, newHeight) == 0)
        return -1;
    converter = SelectRowConverter(kCanvasBits, kCanvasRedMask, kCanvasGreenMask, kCanvasBlueMask);
    std::free(rgba);
    rgba = static_cast<std::uint8_t*>(RequireAllocation(
        std::malloc(static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight) * 4), "the canvas pixels"));
    ListenToPageControls(newWidth, newHeight);
    width = newWidth;
    height = newHeight;
    return 0;
}

std::int32_t CanvasDisplay::Close()
{
    return 0;
}

std::int32_t CanvasDisplay::Present(const Bitmap* bitmap)
{
    const std::int32_t checked = CheckBitmap(bitmap);
    if (checked != 0)
        return checked;
    // After a failed Open both sizes are 0: a 0 x 0 bitmap has nothing to show.
    if (width == 0 || height == 0)
        return 0;
    const std::uint32_t count = static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(height);
    converter(bitmap->pixels, rgba, count);
    for (std::uint32_t i = 0; i < count; ++i)
        rgba[4 * i + 3] = kOpaque;
    PageShowFrame(rgba, width, height);
    return 0;
}
