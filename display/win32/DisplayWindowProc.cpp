#include "DisplayWindowProc.h"

#include <algorithm>

#include "DisplayState.h"
#include "DisplayWindow.h"
#include "ZoomCommands.h"

namespace {

// Resizes the window to a client area of exactly factor times the display
// size, centred on the screen. Factor 0 leaves it as it is.
void Zoom(HWND hwnd, std::int32_t factor)
{
    const DisplayState& state = displayState;
    WindowPlacement placement;
    if (!ZoomPlacement(factor, state.width, state.height, state.outerWidth - state.width,
                       state.outerHeight - state.height, GetSystemMetrics(SM_CXSCREEN),
                       GetSystemMetrics(SM_CYSCREEN), placement))
        return;
    SetWindowPos(hwnd, nullptr, placement.x, placement.y, placement.outerWidth, placement.outerHeight,
                 SWP_NOZORDER);
}

// The largest factor a zoom identifier carries in its low three bits.
constexpr std::int32_t kLargestZoomFactor = 7;

// The system keeps windows within about the screen's size; a zoomed window
// may be larger. Nothing before creation has measured the window's frame.
void AllowZoomedSize(MINMAXINFO& limits)
{
    const DisplayState& state = displayState;
    WindowPlacement largest;
    if (state.outerWidth == 0 ||
        !ZoomPlacement(kLargestZoomFactor, state.width, state.height, state.outerWidth - state.width,
                       state.outerHeight - state.height, 0, 0, largest))
        return;
    limits.ptMaxTrackSize.x = std::max<LONG>(limits.ptMaxTrackSize.x, largest.outerWidth);
    limits.ptMaxTrackSize.y = std::max<LONG>(limits.ptMaxTrackSize.y, largest.outerHeight);
}

bool IsZoomSystemCommand(WPARAM command)
{
    return command <= 0xFFFFFFFFu && IsZoomCommand(static_cast<std::uint32_t>(command));
}

[[noreturn]] void EndProgram()
{
    ShutdownDisplay();
    ExitProcess(0);
}

} // namespace

LRESULT CALLBACK DisplayWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        BlitToWindow();
        break;
    case WM_SYSCOMMAND:
        if (IsZoomSystemCommand(wParam)) {
            Zoom(hwnd, ZoomFactor(static_cast<std::uint32_t>(wParam)));
            return 0;
        }
        break;
    case WM_GETMINMAXINFO: {
        const LRESULT result = DefWindowProcA(hwnd, message, wParam, lParam);
        AllowZoomedSize(*reinterpret_cast<MINMAXINFO*>(lParam));
        return result;
    }
    case WM_KEYDOWN:
        if ((wParam & 0xFF) == VK_ESCAPE)
            EndProgram();
        return 0;
    case WM_CLOSE:
        EndProgram();
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
