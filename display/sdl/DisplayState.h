#pragma once

#include <SDL.h>
#include <cstdint>

#include "RowConverters.h"

// The window layer's per-process record, shared by creation, event handling,
// presentation and shutdown. Every field starts null or 0.
struct DisplayState {
    bool videoStarted;            // SDL's video subsystem is running
    SDL_Window* window;
    bool sharedImages;            // frames go through X11SharedImages, else through the window surface
    RowConverter rowConverter;    // writes the pixel format of the memory the frames go to
    std::int32_t width;           // display size: the frame's
    std::int32_t height;
    bool screenSaverSaved;        // screenSaverWasEnabled holds the state before creation
    bool screenSaverWasEnabled;
};

extern DisplayState displayState;
