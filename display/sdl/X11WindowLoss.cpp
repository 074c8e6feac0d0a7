#include "X11WindowLoss.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace {

::Display* watchedDisplay = nullptr;
Window watchedWindow = None;
bool windowLost = false;
bool ending = false;
XErrorHandler xlibHandler = nullptr;

int NoteWindowLoss(::Display* display, XErrorEvent* error)
{
    // Requests still in flight when the window is destroyed at the end (SDL's
    // wake-up messages to it, sent on a connection of their own, among them)
    // may fail: the process is ending as the user asked, with code 0.
    if (ending)
        return 0;
    if (watchedWindow != None && error->resourceid == watchedWindow &&
        (error->error_code == BadWindow || error->error_code == BadDrawable)) {
        windowLost = true;
        return 0;
    }
    return xlibHandler ? xlibHandler(display, error) : 0;
}

} // namespace

void HandleX11Errors()
{
    if (!xlibHandler)
        xlibHandler = XSetErrorHandler(NoteWindowLoss);
}

void WatchForX11WindowLoss(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return;
    watchedDisplay = info.info.x11.display;
    watchedWindow = info.info.x11.window;
}

void EndX11ErrorReports()
{
    ending = true;
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
