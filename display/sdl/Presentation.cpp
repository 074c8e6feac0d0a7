#include <thread>

#include "DisplayEvents.h"
#include "DisplayState.h"
#include "DisplayWindow.h"
#include "FrameStretch.h"

namespace {
FrameStretch stretch;
}

std::int32_t PresentPixels(const std::uint32_t* pixels)
{
    HandleDisplayEvents();

    // The window surface is the memory the window shows; SDL makes it anew
    // after the window's size changed.
    SDL_Surface* surface = displayState.window ? SDL_GetWindowSurface(displayState.window) : nullptr;
    if (!surface || SDL_LockSurface(surface) != 0)
        return 0;
    stretch.Convert(displayState.rowConverter, surface->format->BytesPerPixel, pixels, displayState.width,
                    displayState.height, static_cast<std::uint8_t*>(surface->pixels), surface->pitch, surface->w,
                    surface->h);
    SDL_UnlockSurface(surface);

    BlitToWindow();
    std::this_thread::yield();
    return 1;
}

void BlitToWindow()
{
    // SDL refuses a surface that a resize made stale; the next frame fills the new one.
    if (displayState.window)
        SDL_UpdateWindowSurface(displayState.window);
}
