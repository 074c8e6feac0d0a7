#include "VideoDriver.h"

#include <SDL.h>
#include <cstring>

namespace {

bool IsInvisibleDriver(const char* driver)
{
    return SDL_strcasecmp(driver, "offscreen") == 0 || SDL_strcasecmp(driver, "dummy") == 0;
}

// SDL matches the names of SDL_VIDEODRIVER without regard to case.
bool ListNames(const char* list, const char* name)
{
    const std::size_t length = std::strlen(name);
    for (const char* item = list; item; item = std::strchr(item, ',')) {
        if (*item == ',')
            ++item;
        const char* end = std::strchr(item, ',');
        const std::size_t itemLength = end ? static_cast<std::size_t>(end - item) : std::strlen(item);
        if (itemLength == length && SDL_strncasecmp(item, name, length) == 0)
            return true;
    }
    return false;
}

} // namespace

bool VideoDriverShowsWindows(const char* driver, const char* requestedDrivers)
{
    if (!driver)
        return false;
    if (!IsInvisibleDriver(driver))
        return true;
    return requestedDrivers && ListNames(requestedDrivers, driver);
}

const char* WindowSurfaceAcceleration(const char* driver)
{
    return driver && SDL_strcasecmp(driver, "x11") == 0 ? "0" : "1";
}
