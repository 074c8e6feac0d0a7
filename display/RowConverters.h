#pragma once

#include <cstdint>

// Converts count pixels 0xAARRGGBB into one destination row of the screen's
// format (4, 3 or 2 bytes a pixel, little-endian, unaligned), pixel i from pixel i.
using RowConverter = void (*)(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count);

void CopyRow32(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count);
void SwapRow32(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count);
void PackRow24(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count);
void SwapRow24(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count);
void PackRow565(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count);
void PackRowBgr565(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count);
void PackRow555(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count);
void PackRowBgr555(const std::uint32_t* source, std::uint8_t* destination, std::uint32_t count);

// Converts a frame of width x height pixels, rows back to back, with one
// converter call per row, into a destination whose rows lie pitch bytes apart.
void ConvertRows(RowConverter converter, const std::uint32_t* pixels, std::int32_t width, std::int32_t height,
                 std::uint8_t* destination, std::int32_t pitch);

// The converter for a screen format given as bit count and red, green and
// blue masks, or null when the format is none of the eight supported ones.
RowConverter SelectRowConverter(std::uint32_t bitCount, std::uint32_t redMask, std::uint32_t greenMask,
                                std::uint32_t blueMask);
