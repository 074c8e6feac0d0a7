#include "DisplayState.h"
#include "DisplayWindow.h"

void ShutdownDisplay()
{
    DisplayState& state = displayState;
    if (state.texture) {
        SDL_DestroyTexture(state.texture);
        state.texture = nullptr;
    }
    if (state.renderer) {
        SDL_DestroyRenderer(state.renderer);
        state.renderer = nullptr;
    }
    if (state.window) {
        SDL_DestroyWindow(state.window);
        state.window = nullptr;
    }
    // SDL switches the screen saver only while its video subsystem runs.
    if (state.screenSaverSaved && state.screenSaverWasEnabled)
        SDL_EnableScreenSaver();
    state.screenSaverSaved = false;
    if (state.videoStarted) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        state.videoStarted = false;
    }
}
