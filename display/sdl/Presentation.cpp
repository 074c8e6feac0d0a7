#include <thread>

#include "DisplayEvents.h"
#include "DisplayState.h"
#include "DisplayWindow.h"

std::int32_t PresentPixels(const std::uint32_t* pixels)
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
        HandleDisplayEvent(event);

    void* lockedPixels = nullptr;
    int pitch = 0;
    if (!displayState.texture || SDL_LockTexture(displayState.texture, nullptr, &lockedPixels, &pitch) != 0)
        return 0;
    ConvertRows(displayState.rowConverter, pixels, displayState.width, displayState.height,
                static_cast<std::uint8_t*>(lockedPixels), pitch);
    SDL_UnlockTexture(displayState.texture);

    BlitToWindow();
    std::this_thread::yield();
    return 1;
}

void BlitToWindow()
{
    if (!displayState.texture)
        return;
    // A null destination stretches the frame over the whole client area.
    SDL_RenderCopy(displayState.renderer, displayState.texture, nullptr, nullptr);
    SDL_RenderPresent(displayState.renderer);
}
