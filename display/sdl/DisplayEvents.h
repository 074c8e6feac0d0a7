#pragma once

#include <SDL.h>

// Handles every waiting event of the display window, as PresentPixels does
// first. Escape and closing the window, by the user or by another program
// that destroys it, shut the display down and end the process with exit
// code 0; keys 1, 2 and 4 zoom; F11 and Alt+Enter toggle full screen; V
// toggles pacing; a right click or Alt+Space opens the zoom chooser; every
// other key does nothing; an exposed window is shown again.
void HandleDisplayEvents();

// Handles one event of the display window as HandleDisplayEvents does.
void HandleDisplayEvent(const SDL_Event& event);
