#pragma once

#include <cstdint>

#include "Bitmap.h"

// The one seam between the demo and the screen: opened once at a fixed size,
// then shown one bitmap per frame. Every operation returns 0 on success and a
// negative code on failure. Present may run platform event handling, and the
// process may end inside it.
class Display {
public:
    Display() = default;
    virtual ~Display();

    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Creates the presentation target; on failure width and height are 0.
    virtual std::int32_t Open(std::int32_t width, std::int32_t height) = 0;
    // Ends the presentation; the result says whether it did.
    virtual std::int32_t Close() = 0;
    // Shows bitmap, which must be non-null and of the display's size.
    virtual std::int32_t Present(const Bitmap* bitmap) = 0;

    std::int32_t width = 0;
    std::int32_t height = 0;

protected:
    // What every Present checks first: -1 for no bitmap, -2 for a width and
    // -3 for a height other than the display's, else 0.
    std::int32_t CheckBitmap(const Bitmap* bitmap) const;
};
