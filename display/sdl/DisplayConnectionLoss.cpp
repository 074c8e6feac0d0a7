#include "DisplayConnectionLoss.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "OutOfMemory.h"

namespace {

wl_display* waylandDisplay = nullptr;
pid_t watchingProcess = 0; // not the chooser's copy of the process, forked on X11

[[noreturn]] void ReportLoss(const char* server, int error)
{
    // EAGAIN is what a read that found the connection closed leaves behind.
    const char* reason = error != 0 && error != EAGAIN ? std::strerror(error) : "it closed the connection";
    std::fprintf(stderr, "demo: lost the connection to the display: the %s has gone (%s)\n", server, reason);
    std::fflush(stderr);
    // At once: destructors and exit handlers would talk to the dead connection.
    _exit(1);
}

// Xlib calls this when a connection breaks, and ends the process itself if
// it returns; it never does.
int ReportX11Loss(::Display*)
{
    const int error = errno;
    // The demo itself says it, once.
    if (getpid() != watchingProcess)
        _exit(1);
    // Xlib reports a connection that it could not get memory for as a broken one.
    if (error == ENOMEM)
        OutOfMemory("the connection to the display");
    ReportLoss("X server", error);
}

} // namespace

void WatchDisplayConnection(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info))
        return;
    watchingProcess = getpid();
    if (info.subsystem == SDL_SYSWM_X11)
        XSetIOErrorHandler(ReportX11Loss);
    else if (info.subsystem == SDL_SYSWM_WAYLAND)
        waylandDisplay = info.info.wl.display;
}

void ExitIfDisplayConnectionLost()
{
    if (!waylandDisplay)
        return;
    const int error = wl_display_get_error(waylandDisplay);
    if (error != 0)
        ReportLoss("Wayland compositor", error);
}
