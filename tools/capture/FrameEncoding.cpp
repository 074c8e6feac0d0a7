#include "FrameEncoding.h"

#include <cstring>
#include <string>

#include "FrameKernels.h"

// The encodings rely on the host's byte order being that of the raw format.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "raw frames are little-endian pixel words");

namespace {

std::size_t PixelCount(const Bitmap& frame)
{
    return static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
}

// bytes becomes its first `offset` bytes, then the frame's R, G and B.
void PackRgbAfter(const Bitmap& frame, std::size_t offset, std::vector<std::uint8_t>& bytes)
{
    bytes.resize(offset + PixelCount(frame) * 3);
    ActiveFrameKernels().packRgb(frame.pixels, bytes.data() + offset, static_cast<std::int32_t>(PixelCount(frame)));
}

} // namespace

ByteSpan RawFrameBytes(const Bitmap& frame)
{
    return {reinterpret_cast<const std::uint8_t*>(frame.pixels), PixelCount(frame) * 4};
}

void EncodeRgb(const Bitmap& frame, std::vector<std::uint8_t>& bytes)
{
    PackRgbAfter(frame, 0, bytes);
}

void EncodePpmFrame(const Bitmap& frame, std::vector<std::uint8_t>& bytes)
{
    const std::string header =
        "P6\n" + std::to_string(frame.width) + " " + std::to_string(frame.height) + "\n255\n";
    PackRgbAfter(frame, header.size(), bytes);
    std::memcpy(bytes.data(), header.data(), header.size());
}
