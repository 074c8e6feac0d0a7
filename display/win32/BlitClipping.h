#pragma once

#include <windows.h>

// Clips a stretching blit to bounds: destination becomes its part inside
// bounds, and source shrinks by the same fractions of its size, rounded
// outward so that every visible destination pixel keeps its source pixel.
// False when nothing of the destination lies inside bounds (or it is empty).
bool ClipBlit(RECT& destination, RECT& source, const RECT& bounds);
