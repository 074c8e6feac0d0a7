#pragma once

#include <functional>

#include "Display.h"

// A display that hands each presented frame to a function instead of a
// window, for drawing the demo's frames into files.
class CaptureDisplay : public Display {
public:
    // Returns false when the frame could not be kept.
    using FrameSink = std::function<bool(const Bitmap& frame)>;

    explicit CaptureDisplay(FrameSink sink);

    std::int32_t Open(std::int32_t width, std::int32_t height) override;
    std::int32_t Close() override;
    // -1, -2, -3 as any display for a null or mismatched bitmap; -4 when the sink failed.
    std::int32_t Present(const Bitmap* bitmap) override;

private:
    FrameSink sink;
};
