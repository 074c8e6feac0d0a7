#pragma once

#include <cstdint>

#include "FrameArea.h"

// Full screen for the display window, on the screen the window is on: the
// frame at the largest whole factor that fits, centred on black, and the
// mouse pointer hidden until it moves. Back in the window, the window has
// the size and place it had before.
void ToggleFullScreen();

bool InFullScreen();

// Shows the pointer again once it has moved from where it was hidden.
void NotePointerMotion();

// Where the frame goes in the window's client area of windowWidth x
// windowHeight pixels: the whole of it in a window, the centred whole
// factor in full screen.
FrameArea CurrentFrameArea(std::int32_t windowWidth, std::int32_t windowHeight);
