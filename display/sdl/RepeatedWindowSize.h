#pragma once

// sway 1.7 repeats, in the configure that goes with each change of focus,
// the size it last gave a floating window, even after the demo sized the
// window itself (a zoom command); SDL 2.26 applies every configure's size.
// A zoom would last only until the focus next moved: the chooser takes the
// focus, and its answer would be undone as it closes. On Wayland, a size
// that only repeats the compositor's previous one is no new request, and
// the window goes back to the size it had before it.

// On SDL_WINDOWEVENT_SIZE_CHANGED: the window's size, whoever changed it.
void NoteWindowSize(int width, int height);

// On SDL_WINDOWEVENT_RESIZED: the size that the compositor asked for.
void FollowCompositorSize(int width, int height);
