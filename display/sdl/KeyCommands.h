#pragma once

#include <SDL.h>
#include <cstdint>

// What a key pressed in the display window does.
enum class KeyAction {
    None,        // every key without a meaning: nothing, not passed on
    Quit,        // Escape: shut the display down and end the process
    Zoom,        // 1, 2 or 4: the zoom command of that factor
    OpenChooser, // Alt+Space: the chooser of zoom commands
};

struct KeyCommand {
    KeyAction action;
    std::uint32_t zoomCommand; // the command identifier, for KeyAction::Zoom
};

KeyCommand CommandForKey(SDL_Keycode key, std::uint16_t modifiers);
