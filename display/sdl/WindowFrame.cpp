#include "WindowFrame.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <cstdio>

#include "DisplayState.h"

namespace {

constexpr Uint64 kFrameWaitMilliseconds = 1000;

// The window's X connection; null on other drivers.
::Display* X11Connection(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return nullptr;
    return info.info.x11.display;
}

// An X window manager owns the selection WM_S<screen> while it runs.
bool WindowManagerRuns(::Display* x11)
{
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
    ::Display* x11 = X11Connection(window);
    if (!x11 || !WindowManagerRuns(x11))
        return;
    const Uint64 deadline = SDL_GetTicks64() + kFrameWaitMilliseconds;
    // SDL learns the frame's size from the window manager's notice, read
    // while pumping; the events stay queued for the first frame.
    while (!FrameKnown(window) && SDL_GetTicks64() < deadline) {
        SDL_PumpEvents();
        SDL_Delay(1);
    }
}

bool OnX11WithoutWindowManager(SDL_Window* window)
{
    ::Display* x11 = X11Connection(window);
    return x11 && !WindowManagerRuns(x11);
}
