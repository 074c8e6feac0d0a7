#include "WindowFormat.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <cstdio>

#include "CreationFailure.h"

RowConverter RowConverterForWindowFormat(std::uint32_t sdlPixelFormat)
{
    int bitsPerPixel = 0;
    Uint32 red = 0;
    Uint32 green = 0;
    Uint32 blue = 0;
    Uint32 alpha = 0;
    if (!SDL_PixelFormatEnumToMasks(sdlPixelFormat, &bitsPerPixel, &red, &green, &blue, &alpha))
        return nullptr;
    const std::uint32_t storageBits = SDL_BYTESPERPIXEL(sdlPixelFormat) * 8u;
    return SelectRowConverter(storageBits, red, green, blue);
}

std::int32_t RefuseScreenFormat(SDL_Window* window, std::uint32_t sdlPixelFormat)
{
    // SDL knows no name for the formats of many screens; an X screen says its depth.
    char format[64];
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    XWindowAttributes attributes;
    if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11 &&
        XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes))
        std::snprintf(format, sizeof format, "X screen of depth %d", attributes.depth);
    else
        std::snprintf(format, sizeof format, "%s", SDL_GetPixelFormatName(sdlPixelFormat));
    return CreationFailed("unsupported screen pixel format (%s): the demo shows only 16-bit (5-6-5 or 5-5-5), "
                          "24-bit and 32-bit RGB screens",
                          format);
}
