#pragma once

#include <cstdint>
#include <memory>

#include "RowConverters.h"

// Converts a frame into a destination of any size, stretched by nearest
// neighbour: destination pixel (x, y) comes from the source pixel under its
// centre, so an integer factor f repeats each pixel in an f x f block. A
// destination of the frame's own size is converted row by row, as
// ConvertRows does. Keeps the column map and one row between frames; a new
// destination width makes them again.
class FrameStretch {
public:
    // pixels: width x height words 0xAARRGGBB, rows back to back;
    // destination: destinationWidth x destinationHeight pixels of
    // bytesPerPixel bytes, rows pitch bytes apart, written by converter.
    void Convert(RowConverter converter, std::int32_t bytesPerPixel, const std::uint32_t* pixels,
                 std::int32_t width, std::int32_t height, std::uint8_t* destination, std::int32_t pitch,
                 std::int32_t destinationWidth, std::int32_t destinationHeight);

    // Converts only destination rows firstRow to firstRow + rowCount - 1 of
    // the same stretch, into destination, whose first row is firstRow's:
    // a band of the picture that Convert makes, for a smaller buffer.
    void ConvertBand(RowConverter converter, std::int32_t bytesPerPixel, const std::uint32_t* pixels,
                     std::int32_t width, std::int32_t height, std::uint8_t* destination, std::int32_t pitch,
                     std::int32_t destinationWidth, std::int32_t destinationHeight, std::int32_t firstRow,
                     std::int32_t rowCount);

private:
    void MapColumns(std::int32_t width, std::int32_t destinationWidth);

    std::unique_ptr<std::int32_t[]> sourceColumns; // per destination column, its source column
    std::unique_ptr<std::uint32_t[]> row;          // one destination row, before conversion
    std::int32_t mappedWidth = 0;                  // the sizes the two blocks were made for
    std::int32_t mappedDestinationWidth = 0;
};

// The source index under the centre of destination index i when size source
// pixels cover destinationSize destination pixels: (2i + 1) x size / (2 x destinationSize).
std::int32_t NearestSource(std::int32_t i, std::int32_t size, std::int32_t destinationSize);
