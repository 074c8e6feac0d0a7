#include <cstdlib>
#include <string>

#include "CreationFailure.h"
#include "DisplayConnectionLoss.h"
#include "DisplayState.h"
#include "DisplayWindow.h"
#include "Presentation.h"
#include "VideoDriver.h"
#include "VideoStart.h"
#include "WindowFrame.h"
#include "WindowPlacement.h"
#include "X11WindowLoss.h"
#include "ZoomCommands.h"

namespace {

// A window at the centre of the first screen, client area width x height,
// not yet shown. Its frame's size is known only once it is shown.
SDL_Window* CreateCentredWindow(const char* title, std::int32_t width, std::int32_t height)
{
    SDL_Rect screen;
    if (SDL_GetDisplayBounds(0, &screen) != 0)
        return nullptr;
    WindowPlacement placement;
    ZoomPlacement(1, width, height, 0, 0, screen.w, screen.h, placement);
    return SDL_CreateWindow(title, screen.x + placement.x, screen.y + placement.y, width, height,
                            SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
}

} // namespace

std::int32_t CreateDisplayWindow(const char* className, std::int32_t width, std::int32_t height)
{
    DisplayState& state = displayState;
    state.width = width;
    state.height = height;

    // The screen saver is switched off at the end of creation, not by SDL at start.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // Interrupt and termination signals end the process as usual, even while
    // the zoom chooser waits, instead of queueing a quit event.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (StartVideoQuietly() != 0)
        return VideoStartFailed(SDL_GetError());
    state.videoStarted = true;
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!VideoDriverShowsWindows(driver, std::getenv("SDL_VIDEODRIVER"))) {
        const std::string why =
            std::string("SDL found only its \"") + (driver ? driver : "none") + "\" video driver, which shows nothing";
        return VideoStartFailed(why.c_str());
    }

    state.window = CreateCentredWindow(className, width, height);
    if (!state.window)
        return CreationFailed("cannot create the window: %s", SDL_GetError());
    // Once shown, the window can be destroyed by another client at any time,
    // even before the presentation has opened.
    WatchForX11WindowLoss(state.window);
    WatchDisplayConnection(state.window);
    SDL_ShowWindow(state.window);
    WaitForWindowFrame();
    PlaceWindow(1);

    if (!OpenPresentation())
        return 0;

    state.screenSaverWasEnabled = SDL_IsScreenSaverEnabled();
    state.screenSaverSaved = true;
    SDL_DisableScreenSaver();
    return 1;
}
