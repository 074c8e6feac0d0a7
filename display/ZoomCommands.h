#pragma once

#include <cstdint>

// The window's zoom commands: identifier 1024 plus the zoom factor.
struct ZoomCommand {
    std::uint32_t id;
    const char* text;
};

constexpr int kZoomCommandCount = 3;
extern const ZoomCommand kZoomCommands[kZoomCommandCount]; // 1025 "Zoom 1 x 1", 1026 "Zoom 2 x 2", 1028 "Zoom 4 x 4"

// Identifiers 1024 to 1039 are zoom commands; the factor is the low three bits.
bool IsZoomCommand(std::uint32_t id);
std::int32_t ZoomFactor(std::uint32_t id);

// Where a zoomed window goes: its outer rectangle on the screen.
struct WindowPlacement {
    std::int32_t x;
    std::int32_t y;
    std::int32_t outerWidth;
    std::int32_t outerHeight;
};

// The placement that gives a client area of exactly factor x width by
// factor x height, the outer size being the client size plus the frame
// (frameWidth, frameHeight: outer minus client), centred on the screen with
// an arithmetic shift so that a window larger than the screen gets negative
// coordinates. False for factor 0: the window stays as it is.
bool ZoomPlacement(std::int32_t factor, std::int32_t width, std::int32_t height, std::int32_t frameWidth,
                   std::int32_t frameHeight, std::int32_t screenWidth, std::int32_t screenHeight,
                   WindowPlacement& placement);
