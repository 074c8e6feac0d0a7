// Each frame: the window's messages, the conversion into the off-screen
// surface, and the stretched blit into the client area.
#include "BlitClipping.h"
#include "DisplayState.h"
#include "DisplayWindow.h"

namespace {

void PumpMessages(HWND window)
{
    MSG message;
    while (PeekMessageA(&message, window, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

RECT ClientAreaOnScreen(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    OffsetRect(&client, origin.x, origin.y);
    return client;
}

RECT VirtualScreen()
{
    const LONG left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const LONG top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

} // namespace

std::int32_t PresentPixels(const std::uint32_t* pixels)
{
    DisplayState& state = displayState;
    PumpMessages(state.window);

    // Surfaces that the system took away (a mode switch, a locked session)
    // come back here.
    state.primarySurface->Restore();
    state.offscreenSurface->Restore();

    DDSURFACEDESC surface = {};
    surface.dwSize = sizeof surface;
    if (FAILED(state.offscreenSurface->Lock(nullptr, &surface, DDLOCK_WAIT, nullptr)))
        return 0;
    ConvertRows(state.rowConverter, pixels, state.width, state.height, static_cast<std::uint8_t*>(surface.lpSurface),
                surface.lPitch);
    state.offscreenSurface->Unlock(surface.lpSurface);

    BlitToWindow();
    Sleep(0);
    return 1;
}

void BlitToWindow()
{
    const DisplayState& state = displayState;
    if (!state.primarySurface)
        return;
    RECT source = {0, 0, state.width, state.height};
    RECT destination = ClientAreaOnScreen(state.window);
    // Some drivers reject a blit that reaches past the screen even with a
    // clipper: draw only the part on the screen. A minimised window has
    // nothing to draw.
    if (!ClipBlit(destination, source, VirtualScreen()))
        return;
    state.primarySurface->Blt(&destination, state.offscreenSurface, &source, DDBLT_WAIT, nullptr);
}
