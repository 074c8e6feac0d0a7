#include "Pacing.h"

#include <SDL.h>

#include <chrono>

#include "DisplayEvents.h"
#include "DisplayState.h"
#include "FrameSchedule.h"
#include "WaylandSharedBuffers.h"

namespace {

bool paced;
bool scheduled; // the schedule started since pacing was switched on
FrameSchedule schedule;

std::uint64_t Nanoseconds()
{
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
}

// The refresh rate of the display the window is on; 0 when SDL does not know it.
int RefreshRate()
{
    SDL_DisplayMode mode;
    const int index = SDL_GetWindowDisplayIndex(displayState.window);
    if (index < 0 || SDL_GetCurrentDisplayMode(index, &mode) != 0)
        return 0;
    return mode.refresh_rate;
}

void WaitForDeadline()
{
    std::uint64_t now = Nanoseconds();
    const int rate = RefreshRate();
    // A window moved to a display of another rate starts a new schedule.
    if (!scheduled || (rate > 0 ? rate : 60) != schedule.Rate()) {
        schedule.Start(now, rate);
        scheduled = true;
    }
    const std::uint64_t deadline = schedule.Next(now);
    // V pressed meanwhile ends the wait at once; so do Escape and closing, by
    // ending the process.
    while (paced && (now = Nanoseconds()) < deadline) {
        // Rounded up: a wait that ends a little late is made up by the
        // schedule, one that ends early would only look again.
        const auto milliseconds = static_cast<int>((deadline - now + 999999) / 1000000);
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, milliseconds))
            HandleDisplayEvent(event);
    }
}

void WaitForFrameCallback()
{
    for (;;) {
        HandleDisplayEvents();
        if (!paced || SharedBufferFrameDone() || !WaitForSharedBufferEvents())
            return;
    }
}

} // namespace

void TogglePacing()
{
    paced = !paced;
    scheduled = false;
    PaceSharedBuffers(paced);
}

bool Paced()
{
    return paced;
}

void WaitForNextRefresh()
{
    if (!paced || !displayState.window)
        return;
    if (displayState.presenter == Presenter::WaylandBuffers)
        WaitForFrameCallback();
    else
        WaitForDeadline();
}
