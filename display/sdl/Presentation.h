#pragma once

#include <cstdint>

// Chooses, once, where the frames of the shown window go, and prepares it:
// on X11 with shared memory, two images that the server copies while the
// next frame is drawn (X11SharedImages.h); on every other driver, or when the
// server cannot share memory, the window surface, into which each frame is
// converted before SDL shows it. Sets the row converter for that memory's
// pixel format. 1 on success, 0 with the reason recorded.
std::int32_t OpenPresentation();

// Releases what OpenPresentation made that the window does not take with it.
void ClosePresentation();
