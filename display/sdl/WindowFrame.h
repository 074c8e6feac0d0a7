#pragma once

// A window manager frames the display window some time after it is shown,
// and only then does SDL know the frame's size. Waits for it, at most a
// second, so that the whole window can be centred; returns at once when no
// window manager runs, since then the window has no frame.
void WaitForWindowFrame();
