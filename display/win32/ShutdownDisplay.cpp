#include "DisplayState.h"
#include "DisplayWindow.h"

namespace {

template <typename Interface>
void Release(Interface*& object)
{
    if (object) {
        object->Release();
        object = nullptr;
    }
}

} // namespace

void ShutdownDisplay()
{
    DisplayState& state = displayState;
    Release(state.offscreenSurface);
    Release(state.primarySurface);
    Release(state.clipper);
    if (state.directDraw) {
        state.directDraw->RestoreDisplayMode();
        state.directDraw->SetCooperativeLevel(state.window, DDSCL_NORMAL);
        Release(state.directDraw);
    }
    DestroyWindow(state.window);
    if (state.ddrawLibrary) {
        FreeLibrary(state.ddrawLibrary);
        state.ddrawLibrary = nullptr;
    }
    if (state.screenSaverSwitchedOff) {
        SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, static_cast<UINT>(state.screenSaverWasActive), nullptr, 0);
        state.screenSaverSwitchedOff = false;
    }
}
