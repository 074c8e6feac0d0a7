#pragma once

#include <SDL.h>

// The display window's event handler, run for each event that PresentPixels
// takes from the queue. Escape and closing the window shut the display down
// and end the process with exit code 0; keys 1, 2 and 4 zoom; a right click
// or Alt+Space opens the zoom chooser; every other key does nothing; an
// exposed or resized window is blitted again.
void HandleDisplayEvent(const SDL_Event& event);
