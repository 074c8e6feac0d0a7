#include "DisplayState.h"
#include "DisplayWindow.h"
#include "Presentation.h"
#include "X11WindowLoss.h"

void ShutdownDisplay()
{
    DisplayState& state = displayState;
    // A window that another X client destroyed is gone with its surface, and
    // SDL would wait for ever for it to be unmapped: it and the video
    // subsystem, which would destroy it too, are left to the process's end.
    const bool windowLost = X11WindowLost();
    EndX11ErrorReports();
    if (!windowLost)
        ClosePresentation();
    // The window takes its surface with it.
    if (state.window && !windowLost)
        SDL_DestroyWindow(state.window);
    state.window = nullptr;
    // SDL switches the screen saver only while its video subsystem runs.
    if (state.screenSaverSaved && state.screenSaverWasEnabled)
        SDL_EnableScreenSaver();
    state.screenSaverSaved = false;
    if (state.videoStarted && !windowLost)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    state.videoStarted = false;
}
