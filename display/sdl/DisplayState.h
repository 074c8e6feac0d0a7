#pragma once

#include <SDL.h>
#include <cstdint>

#include "RowConverters.h"

// The window layer's per-process record, shared by creation, event handling,
// presentation and shutdown. Every field starts null or 0.
struct DisplayState {
    bool videoStarted;            // SDL's video subsystem is running
    SDL_Window* window;
    SDL_Renderer* renderer;
    SDL_Texture* texture;         // width x height, streaming, in the window's pixel format
    std::uint32_t textureFormat;  // the window's SDL pixel format
    RowConverter rowConverter;    // writes that format
    std::int32_t width;           // display size: the frame and the texture
    std::int32_t height;
    bool screenSaverSaved;        // screenSaverWasEnabled holds the state before creation
    bool screenSaverWasEnabled;
};

extern DisplayState displayState;
