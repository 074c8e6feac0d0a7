#pragma once

#include <SDL.h>

// Another X client can destroy the display window (a "close window" tool
// does). Xlib then reports errors on the window's later use, and its default
// handler ends the process with exit code 1. Installs, once, an error handler
// that notes errors naming the watched window instead and passes every other
// error on to Xlib's. Called before SDL starts its video: SDL puts back, when
// its video ends, the handler it found, which is then this one.
void HandleX11Errors();

// On the X11 driver, watches window; nothing on other drivers.
void WatchForX11WindowLoss(SDL_Window* window);

// From now on X errors are ignored: the display is being shut down and the
// process ends next.
void EndX11ErrorReports();

// Whether the X server has said that the watched window no longer exists.
bool X11WindowLost();

// Asks the X server, and waits for its answer, whether the watched window
// still exists; true when no window is watched (other drivers).
bool X11WindowStillThere();
