#pragma once

#include <SDL.h>
#include <cstdint>

#include "RowConverters.h"

// Frames for a window of SDL's Wayland driver through three shared-memory
// buffers attached to the window's surface, where SDL's own window surface
// goes through OpenGL: a texture upload and a draw for every frame, in
// software where there is no graphics processor. The compositor reads a
// buffer while the next frames are converted into the others, so the frame
// loop waits for it only when it holds all three. Their events go to a queue
// of their own, which SDL never dispatches. When memory is short there is
// one buffer.

// Opens the buffers for the window when its driver is Wayland and the
// compositor offers shared memory; the converter for their format goes to
// converter. False, with nothing left open, otherwise.
bool OpenSharedBuffers(SDL_Window* window, RowConverter& converter);

// Converts the frame (width x height words) into a free buffer, stretched to
// the window's size in pixels, and attaches it to the window. 1 when
// attached, or when the compositor kept every buffer too long and the frame
// is dropped; 0 when the connection to the compositor is lost.
std::int32_t PresentSharedBuffer(const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                                 RowConverter converter);

// Paced, each frame asks for the compositor's frame callback, which comes
// when the compositor next shows the window: never while it is hidden.
void PaceSharedBuffers(bool paced);

// Whether the frame callback asked for with the last frame has come, or none
// was asked for, counting what has already been read from the compositor.
bool SharedBufferFrameDone();

// Waits until something arrives from the compositor, for the buffers or for
// SDL, which reads its own events later; SharedBufferFrameDone must have said
// no just before. False when the connection fails.
bool WaitForSharedBufferEvents();

// Releases the buffers and their queue.
void CloseSharedBuffers();
