#pragma once

#include <SDL.h>
#include <cstdint>

#include "RowConverters.h"

// The row converter that writes pixels of an SDL pixel format, or null when
// the format is not one of the supported RGB layouts. The bit count given to
// SelectRowConverter is the storage size of a pixel, so a 5-5-5 format
// counts as 16 bits, as a screen surface reports it.
RowConverter RowConverterForWindowFormat(std::uint32_t sdlPixelFormat);

// Records, as creation's failure, that the window's screen has a pixel format
// that no converter writes, naming it and the formats the demo shows; returns 0.
std::int32_t RefuseScreenFormat(SDL_Window* window, std::uint32_t sdlPixelFormat);
