#pragma once

#include <cstdint>

// The page's side of the web display, written in JavaScript (library_page.js).
extern "C" {

// Gives the page its title and sizes the canvas to width x height pixels,
// shown at that size. 1 when the canvas has a 2D context to draw into, else 0.
std::int32_t PageOpenCanvas(const char* title, std::int32_t width, std::int32_t height);

// Adds a button with element id elementId and label text to the controls.
void PageAddButton(const char* elementId, const char* text);

// Puts width x height RGBA pixels, row 0 first, into the canvas.
void PageShowFrame(const std::uint8_t* rgba, std::int32_t width, std::int32_t height);

// Makes the canvas's container fill the screen, or leaves full screen. The
// browser allows it only while it handles a click or a key.
void PageToggleFullScreen();

// Tells the reader that the demo has stopped.
void PageShowStopped();
}
