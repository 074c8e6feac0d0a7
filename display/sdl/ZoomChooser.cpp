#include "ZoomChooser.h"

#include "ChooserChildren.h"
#include "DisplayState.h"
#include "WindowPlacement.h"
#include "X11WindowLoss.h"
#include "ZoomCommands.h"

namespace {
const char kChooserTitle[] = "Zoom";
const char kChooserMessage[] = "Size of the window:";
const char kCancelText[] = "Cancel";
constexpr int kCancelId = 0; // no zoom command: the window stays as it is
} // namespace

void ShowZoomChooser()
{
    // Return chooses the first entry, zoom 1, which gives back the window's
    // first size; Escape chooses Cancel.
    SDL_MessageBoxButtonData buttons[kZoomCommandCount + 1];
    for (int i = 0; i < kZoomCommandCount; ++i) {
        const Uint32 flags = i == 0 ? Uint32{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT} : 0u;
        buttons[i] = {flags, static_cast<int>(kZoomCommands[i].id), kZoomCommands[i].text};
    }
    buttons[kZoomCommandCount] = {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kCancelId, kCancelText};
    const SDL_MessageBoxData chooser = {
        SDL_MESSAGEBOX_INFORMATION | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
        displayState.window,
        kChooserTitle,
        kChooserMessage,
        kZoomCommandCount + 1,
        buttons,
        nullptr,
    };
    int chosen = -1;
    TieChildrenToThisProcess(true);
    const int shown = SDL_ShowMessageBox(&chooser, &chosen);
    TieChildrenToThisProcess(false);
    // An answer given after another client destroyed the window is no
    // command: the event handling then ends the demo as a closed window does.
    if (shown == 0 && chosen >= 0 && X11WindowStillThere())
        RunZoomCommand(static_cast<std::uint32_t>(chosen));
}
