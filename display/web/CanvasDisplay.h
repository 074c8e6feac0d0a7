#pragma once

#include <cstdint>

#include "Display.h"
#include "RowConverters.h"

// The demo's display in a web page: the page's canvas, width x height pixels,
// shown scaled by the zoom buttons; Escape stops the frame loop (PageControls).
// Each frame is converted to the canvas's RGBA bytes, fully opaque.
class CanvasDisplay : public Display {
public:
    CanvasDisplay() = default;
    ~CanvasDisplay() override;

    // 0 when the page's canvas is ready, -1 (and sizes 0) when the page has
    // no canvas with a 2D context. Ends the process with a message when the
    // RGBA buffer cannot be had.
    std::int32_t Open(std::int32_t width, std::int32_t height) override;
    // Does nothing: only the user stops the page.
    std::int32_t Close() override;
    // -1 for no bitmap, -2 for a width and -3 for a height other than the
    // display's, else 0.
    std::int32_t Present(const Bitmap* bitmap) override;

private:
    RowConverter converter = nullptr;
    std::uint8_t* rgba = nullptr;
};
