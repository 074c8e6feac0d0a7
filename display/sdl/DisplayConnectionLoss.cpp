#include "DisplayConnectionLoss.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

wl_display* waylandDisplay = nullptr;

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
    ReportLoss("X server", errno);
}

} // namespace

void WatchDisplayConnection(SDL_Window* window)
{
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info))
        return;
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
