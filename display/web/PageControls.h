#pragma once

#include <cstdint>

// What the page keeps of the window's controls: one button per zoom command,
// showing the canvas at factor x width by factor x height pixels; a full
// screen button and the F key, which show it at the largest whole factor
// that fits the screen, centred on black, or leave full screen; and the
// Escape key, which ends the frame loop and leaves the last frame shown.
void ListenToPageControls(std::int32_t width, std::int32_t height);
