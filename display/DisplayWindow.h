#pragma once

#include <cstdint>

// The window layer, one implementation per platform folder. All calls run
// on the thread that created the window; the state they share lives in the
// platform's DisplayState.

// Creates the window (title className, a client area of width x height
// centred on the screen, the zoom commands) and the presentation objects,
// choosing the row converter from the screen's pixel format. 1 on success,
// 0 at the first failing step.
std::int32_t CreateDisplayWindow(const char* className, std::int32_t width, std::int32_t height);

// Why the last CreateDisplayWindow failed, as one line of text.
const char* DisplayFailureReason();

// Handles every waiting window event, converts the frame (width x height
// words 0xAARRGGBB) into the off-screen buffer, blits it scaled to the client
// area and yields once; where the window can be paced to the display and the
// user asked for it, waits for the display's next refresh instead, handling
// events meanwhile. 1 when presented, 0 when the buffer could not be locked.
std::int32_t PresentPixels(const std::uint32_t* pixels);

// Copies the off-screen buffer, scaled, to the whole client area; nothing
// before the presentation objects exist.
void BlitToWindow();

// Releases everything creation made, in reverse order, and restores the
// screen saver. Runs just before the process ends.
void ShutdownDisplay();
