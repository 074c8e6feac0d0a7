#pragma once

#include <SDL.h>

// A display server that goes away (an X server or a Wayland compositor that
// is killed) ends the demo with one line of its own on standard error and
// exit code 1, never as a user who quit. Nothing of the display is released:
// every request would go to a connection that no longer exists.

// Watches the window's connection: on X11, Xlib's handler for a broken
// connection (of SDL's connection and of every other one this process
// opens) reports the loss and ends the process; on Wayland, the connection
// is remembered for ExitIfDisplayConnectionLost.
void WatchDisplayConnection(SDL_Window* window);

// Ends the process as above when the Wayland connection has failed. SDL
// reports such a failure as a quit event, so this runs before any quit is
// taken as the user's.
void ExitIfDisplayConnectionLost();
