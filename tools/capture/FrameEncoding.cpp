#include "FrameEncoding.h"

#include <string>

void EncodeRawFrame(const Bitmap& frame, std::vector<std::uint8_t>& bytes)
{
    const std::size_t count = static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
    bytes.resize(count * 4);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t p = frame.pixels[i];
        bytes[4 * i] = static_cast<std::uint8_t>(p);
        bytes[4 * i + 1] = static_cast<std::uint8_t>(p >> 8);
        bytes[4 * i + 2] = static_cast<std::uint8_t>(p >> 16);
        bytes[4 * i + 3] = static_cast<std::uint8_t>(p >> 24);
    }
}

void EncodeRgb(const Bitmap& frame, std::vector<std::uint8_t>& bytes)
{
    const std::size_t count = static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
    bytes.resize(count * 3);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t p = frame.pixels[i];
        bytes[3 * i] = static_cast<std::uint8_t>(p >> 16);
        bytes[3 * i + 1] = static_cast<std::uint8_t>(p >> 8);
        bytes[3 * i + 2] = static_cast<std::uint8_t>(p);
    }
}

void EncodePpmFrame(const Bitmap& frame, std::vector<std::uint8_t>& bytes)
{
    const std::string header =
        "P6\n" + std::to_string(frame.width) + " " + std::to_string(frame.height) + "\n255\n";
    std::vector<std::uint8_t> rgb;
    EncodeRgb(frame, rgb);
    bytes.assign(header.begin(), header.end());
    bytes.insert(bytes.end(), rgb.begin(), rgb.end());
}
