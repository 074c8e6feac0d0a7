#include "X11WindowLoss.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace {

::Display* watchedDisplay = nullptr;
Window watchedWindow = None;
bool windowLost = false;
XErrorHandler previousHandler = nullptr;

int NoteWindowLoss(::Display* display, XErrorEvent* error)
{
    if (watchedWindow != None && error->resourceid == watchedWindow &&
        (error->error_code == BadWindow || error->error_code == BadDrawable)) {
        windowLost = true;
        return 0;
    }
    return previousHandler ? previousHandler(display, error) : 0;
}

} // namespace

void WatchForX11WindowLoss(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return;
    watchedDisplay = info.info.x11.display;
    watchedWindow = info.info.x11.window;
    static bool installed = false;
    if (!installed)
        previousHandler = XSetErrorHandler(NoteWindowLoss);
    installed = true;
}

bool X11WindowLost()
{
    return windowLost;
}

bool X11WindowStillThere()
{
    if (watchedWindow == None || windowLost)
        return !windowLost;
    // A window that is gone answers with an error, which the handler notes.
    XWindowAttributes attributes;
    XGetWindowAttributes(watchedDisplay, watchedWindow, &attributes);
    return !windowLost;
}
