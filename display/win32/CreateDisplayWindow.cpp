// The creation sequence: DirectDraw, the window, then the presentation
// objects; the first failing step ends it and nothing made before is released.
#include "CreationFailure.h"
#include "DirectDrawSetup.h"
#include "DisplayState.h"
#include "DisplayWindow.h"
#include "DisplayWindowProc.h"
#include "ZoomCommands.h"

namespace {

void RegisterWindowClass(const char* className)
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = DisplayWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "IDI_MAIN"); // null without the resource: the system's icon
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
}

void AddZoomCommands(DisplayState& state)
{
    state.systemMenu = GetSystemMenu(state.window, FALSE);
    for (const ZoomCommand& command : kZoomCommands)
        AppendMenuA(state.systemMenu, MF_STRING, command.id, command.text);
}

void SwitchScreenSaverOff(DisplayState& state)
{
    state.screenSaverWasActive = TRUE;
    SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &state.screenSaverWasActive, 0);
    SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, FALSE, nullptr, 0);
    state.screenSaverSwitchedOff = true;
}

} // namespace

std::int32_t CreateDisplayWindow(const char* className, std::int32_t width, std::int32_t height)
{
    DisplayState& state = displayState;
    state.width = width;
    state.height = height;
    if (!LoadDirectDraw(state))
        return 0;

    RegisterWindowClass(className);
    RECT outer = {0, 0, width, height};
    AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
    // The window at zoom 1: the client area at its size, centred.
    WindowPlacement placement = {};
    ZoomPlacement(1, width, height, (outer.right - outer.left) - width, (outer.bottom - outer.top) - height,
                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), placement);
    state.window = CreateWindowExA(0, className, className, WS_OVERLAPPEDWINDOW, placement.x, placement.y,
                                   placement.outerWidth, placement.outerHeight, nullptr, nullptr, nullptr, nullptr);
    if (!state.window)
        return CreationFailed("the window cannot be created");
    ShowWindow(state.window, SW_SHOWNORMAL);
    AddZoomCommands(state);
    state.outerWidth = placement.outerWidth;
    state.outerHeight = placement.outerHeight;

    if (!CreatePresentationObjects(state))
        return 0;
    SwitchScreenSaverOff(state);
    return 1;
}
