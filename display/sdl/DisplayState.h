#pragma once

#include <SDL.h>
#include <cstdint>

#include "RowConverters.h"

// Where the frames go: SDL's window surface, or the shared memory of
// X11SharedImages or WaylandSharedBuffers.
enum class Presenter { WindowSurface, X11Images, WaylandBuffers };

// The window layer's per-process record, shared by creation, event handling,
// presentation and shutdown. Every field starts null or 0.
struct DisplayState {
    bool videoStarted;            // SDL's video subsystem is running
    SDL_Window* window;
    Presenter presenter;
    RowConverter rowConverter;    // writes the pixel format of the memory the frames go to
    std::int32_t width;           // display size: the frame's
    std::int32_t height;
    bool screenSaverSaved;        // screenSaverWasEnabled holds the state before creation
    bool screenSaverWasEnabled;
};

extern DisplayState displayState;
