#include "DisplayEvents.h"

#include <cstdlib>

#include "DisplayWindow.h"
#include "FrameTexture.h"
#include "KeyCommands.h"
#include "WindowPlacement.h"
#include "ZoomChooser.h"

namespace {

[[noreturn]] void EndProcess()
{
    ShutdownDisplay();
    // At once, as the user asked: no further frame, no destructors. Standard
    // output is already flushed line by line.
    std::_Exit(0);
}

void HandleKey(const SDL_KeyboardEvent& key)
{
    const KeyCommand command = CommandForKey(key.keysym.sym, key.keysym.mod);
    switch (command.action) {
    case KeyAction::Quit:
        EndProcess();
    case KeyAction::Zoom:
        RunZoomCommand(command.zoomCommand);
        break;
    case KeyAction::OpenChooser:
        ShowZoomChooser();
        break;
    case KeyAction::None:
        break;
    }
}

void HandleWindowEvent(const SDL_WindowEvent& window)
{
    switch (window.event) {
    case SDL_WINDOWEVENT_CLOSE:
        EndProcess();
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        BlitToWindow();
        break;
    default:
        break;
    }
}

} // namespace

void HandleDisplayEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_QUIT:
        EndProcess();
    case SDL_KEYDOWN:
        HandleKey(event.key);
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_RIGHT)
            ShowZoomChooser();
        break;
    case SDL_WINDOWEVENT:
        HandleWindowEvent(event.window);
        break;
    case SDL_RENDER_DEVICE_RESET:
        // The renderer lost its textures: make the frame's again.
        RecreateFrameTexture();
        break;
    default:
        break;
    }
}
