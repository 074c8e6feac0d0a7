#pragma once

#include <cstdint>

#include "DisplayState.h"

// Loads ddraw.dll at run time and creates the DirectDraw object for the
// default display driver. 1 on success, 0 at the first failing step.
std::int32_t LoadDirectDraw(DisplayState& state);

// For the created window: the cooperative level, the primary surface, the
// width x height off-screen surface in the screen's format, the clipper bound
// to the window, and the row converter for the screen's pixel format.
// 1 on success, 0 at the first failing step.
std::int32_t CreatePresentationObjects(DisplayState& state);
