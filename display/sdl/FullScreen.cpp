#include "FullScreen.h"

#include <SDL.h>

#include "DisplayState.h"
#include "WindowFrame.h"

namespace {

// Without a window manager nothing acts on SDL's full-screen request: the
// window covers the screen by its own place and size, and gets back the ones
// it had before.
bool coveringByItself;
SDL_Rect windowed;

bool CoverScreen(SDL_Window* window)
{
    SDL_Rect screen;
    if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window), &screen) != 0)
        return false;
    SDL_GetWindowPosition(window, &windowed.x, &windowed.y);
    SDL_GetWindowSize(window, &windowed.w, &windowed.h);
    SDL_SetWindowPosition(window, screen.x, screen.y);
    SDL_SetWindowSize(window, screen.w, screen.h);
    coveringByItself = true;
    return true;
}

void Uncover(SDL_Window* window)
{
    SDL_SetWindowSize(window, windowed.w, windowed.h);
    SDL_SetWindowPosition(window, windowed.x, windowed.y);
    coveringByItself = false;
}

// Where the pointer was, on the whole desktop, when full screen hid it.
bool pointerHidden;
int hiddenAtX;
int hiddenAtY;

void HidePointer()
{
    SDL_GetGlobalMouseState(&hiddenAtX, &hiddenAtY);
    SDL_ShowCursor(SDL_DISABLE);
    pointerHidden = true;
}

void ShowPointer()
{
    SDL_ShowCursor(SDL_ENABLE);
    pointerHidden = false;
}

} // namespace

bool InFullScreen()
{
    return displayState.window &&
           (coveringByItself || (SDL_GetWindowFlags(displayState.window) & SDL_WINDOW_FULLSCREEN));
}

void ToggleFullScreen()
{
    SDL_Window* window = displayState.window;
    if (!window)
        return;
    if (InFullScreen()) {
        if (coveringByItself)
            Uncover(window);
        else
            SDL_SetWindowFullscreen(window, 0);
        ShowPointer();
        return;
    }
    // The desktop's own mode, with no mode switch; on leaving it, the window
    // manager or the compositor gives the window back its size and place.
    const bool entered = OnX11WithoutWindowManager(window)
                             ? CoverScreen(window)
                             : SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
    if (entered)
        HidePointer();
}

void NotePointerMotion()
{
    // Entering full screen moves the window under the pointer, which some
    // systems report as motion: only a change of place on the desktop counts.
    if (!pointerHidden)
        return;
    int x = 0;
    int y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    if (x != hiddenAtX || y != hiddenAtY)
        ShowPointer();
}

FrameArea CurrentFrameArea(std::int32_t windowWidth, std::int32_t windowHeight)
{
    return WindowFrameArea(InFullScreen(), displayState.width, displayState.height, windowWidth, windowHeight);
}
