#include "ZoomChooser.h"

#include "ChooserChildren.h"
#include "DisplayState.h"
#include "FullScreen.h"
#include "Pacing.h"
#include "WindowPlacement.h"
#include "X11WindowLoss.h"
#include "ZoomCommands.h"

namespace {
const char kChooserTitle[] = "Zoom";
const char kChooserMessage[] = "Size of the window:";

// The chooser's entries after the zoom commands, which toggle full screen
// and pacing; their texts say what choosing them does. Cancel, last, runs
// nothing: the window stays as it is.
enum ToggleEntry { kCancelEntry = 0, kFullScreenEntry = 1, kPacingEntry = 2 };
constexpr int kOtherEntryCount = 3;
const char kCancelText[] = "Cancel";

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
    // Return chooses the first entry, zoom 1, which gives back the window's
    // first size; Escape chooses Cancel.
    SDL_MessageBoxButtonData buttons[kZoomCommandCount + kOtherEntryCount];
    for (int i = 0; i < kZoomCommandCount; ++i) {
        const Uint32 flags = i == 0 ? Uint32{SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT} : 0u;
        buttons[i] = {flags, static_cast<int>(kZoomCommands[i].id), kZoomCommands[i].text};
    }
    buttons[kZoomCommandCount] = {0, kFullScreenEntry, FullScreenEntryText()};
    buttons[kZoomCommandCount + 1] = {0, kPacingEntry, PacingEntryText()};
    buttons[kZoomCommandCount + 2] = {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kCancelEntry, kCancelText};
    const SDL_MessageBoxData chooser = {
        SDL_MESSAGEBOX_INFORMATION | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
        displayState.window,
        kChooserTitle,
        kChooserMessage,
        kZoomCommandCount + kOtherEntryCount,
        buttons,
        nullptr,
    };
    int chosen = -1;
    TieChildrenToThisProcess(true);
    const int shown = SDL_ShowMessageBox(&chooser, &chosen);
    TieChildrenToThisProcess(false);
    // An answer given after another client destroyed the window is no
    // command: the event handling then ends the demo as a closed window does.
    if (shown != 0 || chosen < 0 || !X11WindowStillThere())
        return;
    if (IsZoomCommand(static_cast<std::uint32_t>(chosen)))
        RunZoomCommand(static_cast<std::uint32_t>(chosen));
    else
        RunToggleEntry(chosen);
}
