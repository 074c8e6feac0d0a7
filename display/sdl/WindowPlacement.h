#pragma once

#include <cstdint>

// Sizes the display window's client area to factor x the display size and
// centres the whole window, frame included, on the first screen. Factor 0
// leaves the window as it is.
void PlaceWindow(std::int32_t factor);

// Runs a zoom command (identifiers 1024 to 1039) on a window that is not in
// full screen; other identifiers, and every command in full screen, do nothing.
void RunZoomCommand(std::uint32_t id);
