#include "KeyCommands.h"

#include "ZoomCommands.h"

namespace {

// The zoom factor a digit key names, on the main row or the keypad; 0 for other keys.
std::int32_t ZoomFactorOfKey(SDL_Keycode key)
{
    switch (key) {
    case SDLK_1:
    case SDLK_KP_1:
        return 1;
    case SDLK_2:
    case SDLK_KP_2:
        return 2;
    case SDLK_4:
    case SDLK_KP_4:
        return 4;
    default:
        return 0;
    }
}

} // namespace

KeyCommand CommandForKey(SDL_Keycode key, std::uint16_t modifiers)
{
    if (key == SDLK_ESCAPE)
        return {KeyAction::Quit, 0};
    if (key == SDLK_SPACE && (modifiers & KMOD_ALT))
        return {KeyAction::OpenChooser, 0};
    if (key == SDLK_F11 || ((key == SDLK_RETURN || key == SDLK_KP_ENTER) && (modifiers & KMOD_ALT)))
        return {KeyAction::ToggleFullScreen, 0};
    if (key == SDLK_v)
        return {KeyAction::TogglePacing, 0};
    const std::int32_t factor = ZoomFactorOfKey(key);
    for (const ZoomCommand& command : kZoomCommands) {
        if (factor != 0 && ZoomFactor(command.id) == factor)
            return {KeyAction::Zoom, command.id};
    }
    return {KeyAction::None, 0};
}
