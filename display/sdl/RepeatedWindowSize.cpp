#include "RepeatedWindowSize.h"

#include <SDL.h>

#include <cstring>

#include "DisplayState.h"
#include "FullScreen.h"

namespace {

struct Size {
    int width;
    int height;
    bool operator==(const Size& other) const { return width == other.width && height == other.height; }
};

struct Sizes {
    bool known;
    Size current;
    Size before;  // what the last change replaced
    Size asked;   // the compositor's last size, at first the window's first size
};

Sizes sizes;

void StartFromFirstSize()
{
    if (sizes.known)
        return;
    const Size first = {displayState.width, displayState.height};
    sizes = {true, first, first, first};
}

} // namespace

void NoteWindowSize(int width, int height)
{
    StartFromFirstSize();
    const Size size = {width, height};
    if (size == sizes.current)
        return;
    sizes.before = sizes.current;
    sizes.current = size;
}

void FollowCompositorSize(int width, int height)
{
    StartFromFirstSize();
    const Size asked = {width, height};
    const bool repeated = asked == sizes.asked;
    sizes.asked = asked;
    // Full screen and maximised windows take the compositor's size exactly.
    SDL_Window* window = displayState.window;
    if (!repeated || !window || InFullScreen() || (SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED) ||
        std::strcmp(SDL_GetCurrentVideoDriver(), "wayland") != 0)
        return;
    // SDL has already taken the repeated size, and told it first.
    if (sizes.current == asked && !(sizes.before == asked))
        SDL_SetWindowSize(window, sizes.before.width, sizes.before.height);
}
