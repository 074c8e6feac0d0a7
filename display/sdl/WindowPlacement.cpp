#include "WindowPlacement.h"

#include "DisplayState.h"
#include "FullScreen.h"
#include "ZoomCommands.h"

void PlaceWindow(std::int32_t factor)
{
    SDL_Window* window = displayState.window;
    SDL_Rect screen;
    if (!window || SDL_GetDisplayBounds(0, &screen) != 0)
        return;
    // Without a window manager there is no frame, and the borders stay 0.
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
    SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right);
    const std::int32_t frameWidth = left + right;
    const std::int32_t frameHeight = top + bottom;

    WindowPlacement placement;
    if (!ZoomPlacement(factor, displayState.width, displayState.height, frameWidth, frameHeight, screen.w,
                       screen.h, placement))
        return;
    if (SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED)
        SDL_RestoreWindow(window);
    // SDL places and sizes the client area; the frame sits around it.
    SDL_SetWindowSize(window, placement.outerWidth - frameWidth, placement.outerHeight - frameHeight);
    SDL_SetWindowPosition(window, screen.x + placement.x + left, screen.y + placement.y + top);
}

void RunZoomCommand(std::uint32_t id)
{
    // Full screen has no window size to choose: it is left first (F11).
    if (IsZoomCommand(id) && !InFullScreen())
        PlaceWindow(ZoomFactor(id));
}
