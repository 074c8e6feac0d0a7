#include "PlatformClock.h"

#include <SDL.h>

std::uint32_t PlatformMilliseconds()
{
    return static_cast<std::uint32_t>(SDL_GetTicks64());
}
