#pragma once

#include <SDL.h>

// Another X client can destroy the display window (a "close window" tool
// does). Xlib then reports errors on the window's later use, and its default
// handler ends the process with exit code 1. On the X11 driver, installs an
// error handler that notes errors naming this window instead and passes
// every other error on; nothing on other drivers.
void WatchForX11WindowLoss(SDL_Window* window);

// Whether the X server has said that the watched window no longer exists.
bool X11WindowLost();

// Asks the X server, and waits for its answer, whether the watched window
// still exists; true when no window is watched (other drivers).
bool X11WindowStillThere();
