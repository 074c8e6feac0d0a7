#pragma once

#include <cstdint>

#include <windows.h>
#include <ddraw.h>

#include "RowConverters.h"

// The display module's per-process record, shared by the creation sequence,
// the window procedure and the presentation code. Everything starts null or
// 0; only ShutdownDisplay releases what it holds.
struct DisplayState {
    HWND window;
    HMENU systemMenu;
    RowConverter rowConverter;
    std::int32_t width;
    std::int32_t height;
    // The window's size at zoom 1, frame and caption included.
    std::int32_t outerWidth;
    std::int32_t outerHeight;
    HMODULE ddrawLibrary;
    IDirectDraw* directDraw;
    IDirectDrawSurface* primarySurface;
    IDirectDrawClipper* clipper;
    IDirectDrawSurface* offscreenSurface;
    // Whether creation switched the screen saver off, and whether it was
    // active before, so that shutdown can put it back as it was.
    bool screenSaverSwitchedOff;
    BOOL screenSaverWasActive;
};

extern DisplayState displayState;
