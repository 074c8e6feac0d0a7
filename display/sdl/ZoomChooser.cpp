#include "ZoomChooser.h"

#include "DisplayState.h"
#include "FullScreen.h"
#include "Pacing.h"
#include "WindowPlacement.h"
#include "ZoomCommands.h"

namespace {
const char kChooserTitle[] = "Zoom";
const char kChooserMessage[] = "Size of the window:";

// The chooser's entries after the zoom commands, which toggle full screen
// and pacing; their texts say what choosing them does.
enum ToggleEntry { kFullScreenEntry = 1, kPacingEntry = 2 };
constexpr int kToggleEntryCount = 2;

const char* FullScreenEntryText()
{
    return InFullScreen() ? "Leave full screen" : "Full screen";
}

const char* PacingEntryText()
{
    return Paced() ? "Unpaced" : "Paced to display";
}

void RunToggleEntry(int entry)
{
    if (entry == kFullScreenEntry)
        ToggleFullScreen();
    else if (entry == kPacingEntry)
        TogglePacing();
}
} // namespace

void ShowZoomChooser()
{
    SDL_MessageBoxButtonData buttons[kZoomCommandCount + kToggleEntryCount];
    for (int i = 0; i < kZoomCommandCount; ++i)
        buttons[i] = {0, static_cast<int>(kZoomCommands[i].id), kZoomCommands[i].text};
    buttons[kZoomCommandCount] = {0, kFullScreenEntry, FullScreenEntryText()};
    buttons[kZoomCommandCount + 1] = {0, kPacingEntry, PacingEntryText()};
    const SDL_MessageBoxData chooser = {
        SDL_MESSAGEBOX_INFORMATION | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
        displayState.window,
        kChooserTitle,
        kChooserMessage,
        kZoomCommandCount + kToggleEntryCount,
        buttons,
        nullptr,
    };
    int chosen = -1;
    if (SDL_ShowMessageBox(&chooser, &chosen) != 0 || chosen < 0)
        return;
    if (IsZoomCommand(static_cast<std::uint32_t>(chosen)))
        RunZoomCommand(static_cast<std::uint32_t>(chosen));
    else
        RunToggleEntry(chosen);
}
