#include "Presentation.h"

#include <thread>

#include "CreationFailure.h"
#include "DisplayEvents.h"
#include "DisplayState.h"
#include "DisplayWindow.h"
#include "FrameArea.h"
#include "FullScreen.h"
#include "Pacing.h"
#include "VideoDriver.h"
#include "WaylandSharedBuffers.h"
#include "WindowFormat.h"
#include "X11SharedImages.h"
#include "X11WindowLoss.h"

namespace {

FrameStretch stretch;
FrameArea drawnArea; // where the last frame went in the window surface

// The window surface is the memory the window shows; SDL makes it anew
// after the window's size changed.
std::int32_t PresentToWindowSurface(const std::uint32_t* pixels)
{
    SDL_Surface* surface = SDL_GetWindowSurface(displayState.window);
    if (!surface || SDL_LockSurface(surface) != 0)
        return 0;
    ConvertIntoArea(stretch, drawnArea, CurrentFrameArea(surface->w, surface->h), displayState.rowConverter,
                    surface->format->BytesPerPixel, pixels, displayState.width, displayState.height,
                    static_cast<std::uint8_t*>(surface->pixels), surface->pitch, surface->w, surface->h);
    SDL_UnlockSurface(surface);
    SDL_UpdateWindowSurface(displayState.window);
    return 1;
}

} // namespace

std::int32_t OpenPresentation()
{
    DisplayState& state = displayState;
    if (OpenSharedImages(state.window, state.rowConverter)) {
        state.presenter = Presenter::X11Images;
        return 1;
    }
    // A window that another client has already destroyed is a window closed:
    // the first frame's events end the program.
    if (X11WindowLost())
        return 1;
    if (OpenSharedBuffers(state.window, state.rowConverter)) {
        state.presenter = Presenter::WaylandBuffers;
        return 1;
    }
    // SDL makes no window surface for a format it cannot name.
    const std::uint32_t windowFormat = SDL_GetWindowPixelFormat(state.window);
    if (!RowConverterForWindowFormat(windowFormat))
        return RefuseScreenFormat(state.window, windowFormat);
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, WindowSurfaceAcceleration(SDL_GetCurrentVideoDriver()));
    SDL_Surface* surface = SDL_GetWindowSurface(state.window);
    if (!surface)
        return CreationFailed("cannot draw into the window: %s", SDL_GetError());
    state.rowConverter = RowConverterForWindowFormat(surface->format->format);
    if (!state.rowConverter)
        return RefuseScreenFormat(state.window, surface->format->format);
    return 1;
}

void ClosePresentation()
{
    if (displayState.presenter == Presenter::X11Images)
        CloseSharedImages();
    else if (displayState.presenter == Presenter::WaylandBuffers)
        CloseSharedBuffers();
    displayState.presenter = Presenter::WindowSurface;
}

std::int32_t PresentPixels(const std::uint32_t* pixels)
{
    HandleDisplayEvents();
    if (!displayState.window)
        return 0;
    std::int32_t presented = 0;
    switch (displayState.presenter) {
    case Presenter::X11Images:
        presented = PresentSharedImage(pixels, displayState.width, displayState.height, displayState.rowConverter);
        break;
    case Presenter::WaylandBuffers:
        presented = PresentSharedBuffer(pixels, displayState.width, displayState.height, displayState.rowConverter);
        break;
    case Presenter::WindowSurface:
        presented = PresentToWindowSurface(pixels);
        break;
    }
    if (presented && Paced())
        WaitForNextRefresh();
    else if (presented)
        std::this_thread::yield();
    return presented;
}

void BlitToWindow()
{
    if (displayState.presenter == Presenter::X11Images)
        ShowLastSharedImage();
    // SDL refuses a surface that a resize made stale; the next frame fills the
    // new one. A Wayland compositor keeps showing the last buffer by itself.
    else if (displayState.presenter == Presenter::WindowSurface && displayState.window)
        SDL_UpdateWindowSurface(displayState.window);
}
