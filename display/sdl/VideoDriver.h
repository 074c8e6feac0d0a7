#pragma once

// Whether the video driver that SDL started can show a window to the user.
// SDL falls back to "offscreen" or "dummy" when it finds no display; those
// count only when the user named them in requestedDrivers, the value of
// SDL_VIDEODRIVER (a comma-separated list, null when unset).
bool VideoDriverShowsWindows(const char* driver, const char* requestedDrivers);

// Where the window surface, into which each frame is converted when the
// X11 shared images cannot be had, comes from: the value for
// SDL_HINT_FRAMEBUFFER_ACCELERATION on that video driver. "0" on X11, whose
// own framebuffer is an image that the server copies to the window as it
// stands. "1" elsewhere: the Wayland driver has no framebuffer of its own, so
// SDL backs the surface by a streaming texture of an accelerated renderer
// (OpenGL through EGL) of the window's size, shown unscaled.
const char* WindowSurfaceAcceleration(const char* driver);
