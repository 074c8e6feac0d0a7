#include "ZoomCommands.h"

const ZoomCommand kZoomCommands[kZoomCommandCount] = {
    {1025, "Zoom 1 x 1"},
    {1026, "Zoom 2 x 2"},
    {1028, "Zoom 4 x 4"},
};

bool IsZoomCommand(std::uint32_t id)
{
    return (id & 0xFFFFFFF0u) == 1024;
}

std::int32_t ZoomFactor(std::uint32_t id)
{
    return static_cast<std::int32_t>(id & 7);
}

bool ZoomPlacement(std::int32_t factor, std::int32_t width, std::int32_t height, std::int32_t frameWidth,
                   std::int32_t frameHeight, std::int32_t screenWidth, std::int32_t screenHeight,
                   WindowPlacement& placement)
{
    if (factor == 0)
        return false;
    placement.outerWidth = width * factor + frameWidth;
    placement.outerHeight = height * factor + frameHeight;
    placement.x = (screenWidth - placement.outerWidth) >> 1;
    placement.y = (screenHeight - placement.outerHeight) >> 1;
    return true;
}
