#pragma once

// Whether the video driver that SDL started can show a window to the user.
// SDL falls back to "offscreen" or "dummy" when it finds no display; those
// count only when the user named them in requestedDrivers, the value of
// SDL_VIDEODRIVER (a comma-separated list, null when unset).
bool VideoDriverShowsWindows(const char* driver, const char* requestedDrivers);
