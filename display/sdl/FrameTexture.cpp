#include "FrameTexture.h"

#include "DisplayState.h"

bool CreateFrameTexture()
{
    displayState.texture = SDL_CreateTexture(displayState.renderer, displayState.textureFormat,
                                             SDL_TEXTUREACCESS_STREAMING, displayState.width, displayState.height);
    return displayState.texture != nullptr;
}

void RecreateFrameTexture()
{
    if (displayState.texture)
        SDL_DestroyTexture(displayState.texture);
    CreateFrameTexture();
}
