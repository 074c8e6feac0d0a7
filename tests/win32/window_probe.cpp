// window-probe: looks at and drives the display window of another process,
// as the window system sees it.
//   window-probe find SECONDS   wait until the window is shown
//   window-probe geometry       "title|X Y W H|X Y W H|SW SH": title, client
//                               area and window on the screen, screen size
//   window-probe zoom ID        send the system command ID, then geometry
//   window-probe close          post WM_CLOSE
//   window-probe saver [0|1]    print, or set without saving, whether the
//                               screen saver is active
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <windows.h>

namespace {

const char kWindowName[] = "Zarn Screen Copier";

HWND FindDisplayWindow()
{
    const HWND window = FindWindowA(kWindowName, nullptr);
    return window && IsWindowVisible(window) ? window : nullptr;
}

int PrintGeometry(HWND window)
{
    char title[256] = "";
    GetWindowTextA(window, title, sizeof title);
    RECT client;
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    RECT outer;
    GetWindowRect(window, &outer);
    std::printf("%s|%ld %ld %ld %ld|%ld %ld %ld %ld|%d %d\n", title, origin.x, origin.y, client.right - client.left,
                client.bottom - client.top, outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top,
                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return 0;
}

int Fail(const char* message)
{
    std::fprintf(stderr, "window-probe: %s\n", message);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Fail("usage: window-probe find SECONDS | geometry | zoom ID | close | saver [0|1]");
    const char* command = argv[1];

    if (std::strcmp(command, "saver") == 0) {
        if (argc > 2) {
            const UINT active = std::atoi(argv[2]) != 0;
            return SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active, nullptr, 0) ? 0 : Fail("cannot set");
        }
        BOOL active = FALSE;
        if (!SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0))
            return Fail("cannot read the screen saver's state");
        std::printf("%d\n", active ? 1 : 0);
        return 0;
    }

    if (std::strcmp(command, "find") == 0) {
        const DWORD limit = GetTickCount() + 1000u * static_cast<DWORD>(argc > 2 ? std::atoi(argv[2]) : 10);
        while (!FindDisplayWindow()) {
            if (static_cast<LONG>(GetTickCount() - limit) > 0)
                return Fail("no display window");
            Sleep(100);
        }
        return 0;
    }

    const HWND window = FindDisplayWindow();
    if (!window)
        return Fail("no display window");
    if (std::strcmp(command, "geometry") == 0)
        return PrintGeometry(window);
    if (std::strcmp(command, "zoom") == 0 && argc > 2) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(window, WM_SYSCOMMAND, std::strtoul(argv[2], nullptr, 10), 0, SMTO_ABORTIFHUNG,
                                 10000, &result))
            return Fail("the window did not answer");
        return PrintGeometry(window);
    }
    if (std::strcmp(command, "close") == 0)
        return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : Fail("cannot post WM_CLOSE");
    return Fail("unknown command");
}
