#include "FrameStretch.h"

#include <cstring>
#include <new>

#include "OutOfMemory.h"

std::int32_t NearestSource(std::int32_t i, std::int32_t size, std::int32_t destinationSize)
{
    return static_cast<std::int32_t>((2 * static_cast<std::int64_t>(i) + 1) * size /
                                     (2 * static_cast<std::int64_t>(destinationSize)));
}

void FrameStretch::MapColumns(std::int32_t width, std::int32_t destinationWidth)
{
    if (width == mappedWidth && destinationWidth == mappedDestinationWidth)
        return;
    const auto count = static_cast<std::size_t>(destinationWidth);
    sourceColumns.reset(static_cast<std::int32_t*>(
        RequireAllocation(new (std::nothrow) std::int32_t[count], "the stretched frame's columns")));
    row.reset(static_cast<std::uint32_t*>(
        RequireAllocation(new (std::nothrow) std::uint32_t[count], "the stretched frame's row")));
    for (std::int32_t x = 0; x < destinationWidth; ++x)
        sourceColumns[x] = NearestSource(x, width, destinationWidth);
    mappedWidth = width;
    mappedDestinationWidth = destinationWidth;
}

void FrameStretch::Convert(RowConverter converter, std::int32_t bytesPerPixel, const std::uint32_t* pixels,
                           std::int32_t width, std::int32_t height, std::uint8_t* destination, std::int32_t pitch,
                           std::int32_t destinationWidth, std::int32_t destinationHeight)
{
    ConvertBand(converter, bytesPerPixel, pixels, width, height, destination, pitch, destinationWidth,
                destinationHeight, 0, destinationHeight);
}

void FrameStretch::ConvertBand(RowConverter converter, std::int32_t bytesPerPixel, const std::uint32_t* pixels,
                               std::int32_t width, std::int32_t height, std::uint8_t* destination, std::int32_t pitch,
                               std::int32_t destinationWidth, std::int32_t destinationHeight, std::int32_t firstRow,
                               std::int32_t rowCount)
{
    if (firstRow < 0 || rowCount <= 0 || firstRow + rowCount > destinationHeight)
        return;
    if (destinationWidth == width && destinationHeight == height) {
        ConvertRows(converter, pixels + static_cast<std::ptrdiff_t>(firstRow) * width, width, rowCount,
                    destination, pitch);
        return;
    }
    if (destinationWidth <= 0 || destinationHeight <= 0 || width <= 0 || height <= 0)
        return;
    MapColumns(width, destinationWidth);
    const std::size_t rowBytes = static_cast<std::size_t>(destinationWidth) * bytesPerPixel;
    std::int32_t convertedRow = -1; // the source row that the last converted destination row shows
    std::uint8_t* converted = nullptr;
    for (std::int32_t y = firstRow; y < firstRow + rowCount; ++y) {
        std::uint8_t* target = destination + static_cast<std::ptrdiff_t>(y - firstRow) * pitch;
        const std::int32_t sourceRow = NearestSource(y, height, destinationHeight);
        // Rows that show the same source row are copies of the first of them.
        if (sourceRow == convertedRow) {
            std::memcpy(target, converted, rowBytes);
            continue;
        }
        const std::uint32_t* source = pixels + static_cast<std::ptrdiff_t>(sourceRow) * width;
        for (std::int32_t x = 0; x < destinationWidth; ++x)
            row[x] = source[sourceColumns[x]];
        converter(row.get(), target, static_cast<std::uint32_t>(destinationWidth));
        convertedRow = sourceRow;
        converted = target;
    }
}
