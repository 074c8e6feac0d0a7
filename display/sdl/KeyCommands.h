#pragma once

#include <SDL.h>
#include <cstdint>

// What a key pressed in the display window does.
enum class KeyAction {
    None,        // every key without a meaning: nothing, not passed on
    Quit,        // Escape: shut the display down and end the process
    Zoom,        // 1, 2 or 4: the zoom command of that factor
    OpenChooser, // Alt+Space: the chooser of zoom commands
    ToggleFullScreen, // F11 or Alt+Enter: full screen, or back to the window
    TogglePacing,     // V: one frame per refresh of the display, or as fast as it goes
};

struct KeyCommand {
    KeyAction action;
    std::uint32_t zoomCommand; // the command identifier, for KeyAction::Zoom
};

KeyCommand CommandForKey(SDL_Keycode key, std::uint16_t modifiers);
