#pragma once

// Pacing of the frame loop to the display, off until the user asks. Paced,
// each presented frame is followed by a wait for the display's next refresh,
// during which the window's events are handled as they come: on Wayland
// until the compositor's frame callback, so a hidden window draws nothing;
// elsewhere until the next deadline of the display's refresh rate (60 Hz
// where it is not known), with the processor idle.
void TogglePacing();

bool Paced();

// After a presented frame: nothing unpaced, else the wait for the next refresh.
void WaitForNextRefresh();
