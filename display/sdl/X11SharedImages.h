#pragma once

#include <SDL.h>
#include <cstdint>

#include "RowConverters.h"

// Frames for a window of SDL's X11 driver through three shared-memory images
// on an X connection of their own. The server copies the images into the
// window while the next frames are drawn and converted into the others, so
// the frame loop waits for the server only when it is three frames behind;
// the window surface of SDL's X11 driver instead waits for every copy to
// finish. The images never grow past the screen's size; when memory is
// short there is one image, and at worst one band of the picture at a
// time, so that the window always shows frames.

// Opens the images for the window when its driver is X11 and the server
// shares memory with this process; the converter for the window's format
// goes to converter. False, with nothing left open, otherwise.
bool OpenSharedImages(SDL_Window* window, RowConverter& converter);

// Converts the frame (width x height words) into a free image, stretched to
// the window's size in pixels, and hands it to the server. 1 when handed over,
// 0 when the window is gone.
std::int32_t PresentSharedImage(const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                                RowConverter converter);

// Hands the last frame's image to the server again, when the server is done with it.
void ShowLastSharedImage();

// Releases the images and the connection.
void CloseSharedImages();
