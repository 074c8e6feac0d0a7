#pragma once

// SDL shows a dialog from a child process: on X11 a forked copy of this
// process, on Wayland the zenity program. While tied, every child forked
// from now on is ended by the kernel when this process ends, however it
// ends (a signal included), so that no dialog outlives the demo.
void TieChildrenToThisProcess(bool tied);
