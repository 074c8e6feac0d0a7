#include "VideoStart.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <cerrno>
#include <cstdarg>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <wayland-client.h>

#include "CreationFailure.h"
#include "OutOfMemory.h"
#include "X11WindowLoss.h"

namespace {

const char kDisplayHint[] =
    "is DISPLAY set to a running X server, or WAYLAND_DISPLAY to a running Wayland compositor?";

// The address space that a start of the video subsystem needs, about; when
// not even this can be had, memory is what stopped it.
constexpr std::size_t kVideoStartMemory = 4 << 20;

XIOErrorHandler xlibHandler = nullptr;

// Xlib reports a connection that it could not get memory for as a broken
// one, and its own handler ends the process with two lines of its own.
int ReportX11Failure(::Display* display)
{
    if (errno == ENOMEM)
        OutOfMemory("the connection to the display");
    return xlibHandler ? xlibHandler(display) : 0;
}

void DropWaylandMessage(const char*, va_list) {}

void PrintWaylandMessage(const char* format, va_list arguments)
{
    std::vfprintf(stderr, format, arguments);
}

// Whether a local stream socket at path (a leading '@' for the abstract
// namespace) accepts a connection.
bool Answers(const std::string& path)
{
    sockaddr_un address{};
    if (path.size() >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    socklen_t length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
    if (path[0] == '@')
        address.sun_path[0] = '\0';
    else
        length += 1;
    const int connection = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connection < 0)
        return false;
    const bool answered = connect(connection, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    close(connection);
    return answered;
}

// The local X display that DISPLAY names (":N", ":N.S", "unix:N"), when its
// server accepts connections.
bool XDisplayAnswers(const char* display)
{
    const char* colon = display ? std::strchr(display, ':') : nullptr;
    if (!colon || !(colon == display || std::strncmp(display, "unix:", 5) == 0))
        return false;
    const std::string number(colon + 1, std::strcspn(colon + 1, "."));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos)
        return false;
    const std::string socket = "/tmp/.X11-unix/X" + number;
    return Answers("@" + socket) || Answers(socket);
}

bool WaylandDisplayAnswers(const char* display)
{
    if (!display || !*display)
        return false;
    if (display[0] == '/')
        return Answers(display);
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime && Answers(std::string(runtime) + "/" + display);
}

} // namespace

int StartVideoQuietly()
{
    xlibHandler = XSetIOErrorHandler(ReportX11Failure);
    HandleX11Errors();
    wl_log_set_handler_client(DropWaylandMessage);
    const int started = SDL_InitSubSystem(SDL_INIT_VIDEO);
    wl_log_set_handler_client(PrintWaylandMessage);
    return started;
}

std::int32_t VideoStartFailed(const char* why)
{
    std::string running;
    if (XDisplayAnswers(std::getenv("DISPLAY")))
        running = std::string("the X display ") + std::getenv("DISPLAY");
    else if (WaylandDisplayAnswers(std::getenv("WAYLAND_DISPLAY")))
        running = std::string("the Wayland display ") + std::getenv("WAYLAND_DISPLAY");
    if (running.empty())
        return CreationFailed("no display to show the window on (%s); %s", why, kDisplayHint);
    // Asked for through a volatile, so that the compiler cannot drop the pair.
    void* volatile spare = std::malloc(kVideoStartMemory);
    const bool memoryShort = spare == nullptr;
    std::free(spare);
    if (memoryShort)
        return CreationFailed("cannot connect to %s, which is running, for lack of memory", running.c_str());
    return CreationFailed("cannot connect to %s, which is running (%s)", running.c_str(), why);
}
