#pragma once

#include <cstdint>

// Starts SDL's video subsystem, as SDL_InitSubSystem does and with its
// result. An X connection that runs out of memory ends the process with the
// program's one line for that, not with Xlib's text. The Wayland library's
// own complaints while SDL tries its driver (no XDG_RUNTIME_DIR, say, on an
// X display that failed to open) are kept off standard error: the demo says
// in its own line why it cannot go on.
int StartVideoQuietly();

// Records, for DisplayFailureReason, why no video driver that shows windows
// started, SDL's reason given as why, and returns creation's failure result.
// When DISPLAY or WAYLAND_DISPLAY names a display that accepts connections,
// the line says so, never that there is no display, and names a lack of
// memory as the cause when memory cannot be had.
std::int32_t VideoStartFailed(const char* why);
