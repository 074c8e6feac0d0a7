#include "WindowFrame.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <cstdio>

#include "DisplayState.h"

namespace {

constexpr Uint64 kFrameWaitMilliseconds = 1000;

// An X window manager owns the selection WM_S<screen> while it runs.
bool WindowManagerRuns(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return false;
    ::Display* x11 = info.info.x11.display;
    char selectionName[32];
    std::snprintf(selectionName, sizeof selectionName, "WM_S%d", DefaultScreen(x11));
    return XGetSelectionOwner(x11, XInternAtom(x11, selectionName, False)) != None;
}

bool FrameKnown(SDL_Window* window)
{
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
    SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right);
    return top != 0 || left != 0 || bottom != 0 || right != 0;
}

} // namespace

void WaitForWindowFrame()
{
    SDL_Window* window = displayState.window;
    if (!WindowManagerRuns(window))
        return;
    const Uint64 deadline = SDL_GetTicks64() + kFrameWaitMilliseconds;
    // SDL learns the frame's size from the window manager's notice, read
    // while pumping; the events stay queued for the first frame.
    while (!FrameKnown(window) && SDL_GetTicks64() < deadline) {
        SDL_PumpEvents();
        SDL_Delay(1);
    }
}
