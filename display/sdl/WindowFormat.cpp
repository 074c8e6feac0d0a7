#include "WindowFormat.h"

#include <SDL.h>

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
