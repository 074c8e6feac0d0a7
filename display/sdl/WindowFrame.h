#pragma once

#include <SDL.h>

// A window manager frames the display window some time after it is shown,
// and only then does SDL know the frame's size. Waits for it, at most a
// second, so that the whole window can be centred; returns at once when no
// window manager runs, since then the window has no frame.
void WaitForWindowFrame();

// Whether the window is on an X server where no window manager runs: then
// nothing frames, places or sizes it but the program itself.
bool OnX11WithoutWindowManager(SDL_Window* window);
