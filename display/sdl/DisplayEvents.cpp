#include "DisplayEvents.h"

#include <cstdlib>

#include "DisplayConnectionLoss.h"
#include "DisplayWindow.h"
#include "FullScreen.h"
#include "KeyCommands.h"
#include "Pacing.h"
#include "RepeatedWindowSize.h"
#include "WindowPlacement.h"
#include "X11WindowLoss.h"
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
    case KeyAction::ToggleFullScreen:
        ToggleFullScreen();
        break;
    case KeyAction::TogglePacing:
        TogglePacing();
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
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        NoteWindowSize(window.data1, window.data2);
        break;
    case SDL_WINDOWEVENT_RESIZED:
        FollowCompositorSize(window.data1, window.data2);
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        // A resized window is filled by the frame that follows the events.
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
        // SDL's Wayland driver says a lost compositor with a quit event.
        ExitIfDisplayConnectionLost();
        EndProcess();
    case SDL_KEYDOWN:
        HandleKey(event.key);
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_RIGHT)
            ShowZoomChooser();
        break;
    case SDL_MOUSEMOTION:
        NotePointerMotion();
        break;
    case SDL_WINDOWEVENT:
        HandleWindowEvent(event.window);
        break;
    default:
        break;
    }
}

void HandleDisplayEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
        HandleDisplayEvent(event);
    ExitIfDisplayConnectionLost();
    // A window that another program destroyed is a window closed.
    if (X11WindowLost())
        EndProcess();
}
