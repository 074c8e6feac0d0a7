#include "ZoomChooser.h"

#include "DisplayState.h"
#include "WindowPlacement.h"
#include "ZoomCommands.h"

namespace {
const char kChooserTitle[] = "Zoom";
const char kChooserMessage[] = "Size of the window:";
} // namespace

void ShowZoomChooser()
{
    SDL_MessageBoxButtonData buttons[kZoomCommandCount];
    for (int i = 0; i < kZoomCommandCount; ++i)
        buttons[i] = {0, static_cast<int>(kZoomCommands[i].id), kZoomCommands[i].text};
    const SDL_MessageBoxData chooser = {
        SDL_MESSAGEBOX_INFORMATION | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
        displayState.window,
        kChooserTitle,
        kChooserMessage,
        kZoomCommandCount,
        buttons,
        nullptr,
    };
    int chosen = -1;
    if (SDL_ShowMessageBox(&chooser, &chosen) == 0 && chosen >= 0)
        RunZoomCommand(static_cast<std::uint32_t>(chosen));
}
