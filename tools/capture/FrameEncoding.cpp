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

} // namespace

ByteSpan RawFrameBytes(const Bitmap& frame)
{
    return {reinterpret_cast<const std::uint8_t*>(frame.pixels), PixelCount(frame) * 4};
}

void EncodeRgb(const Bitmap& frame, std::vector<std::uint8_t>& bytes)
{
    bytes.resize(PixelCount(frame) * 3);
    ActiveFrameKernels().packRgb(frame.pixels, bytes.data(), static_cast<std::int32_t>(PixelCount(frame)));
}

void EncodePpmFrame(const Bitmap& frame, std::vector<std::uint8_t>& bytes)
{
    const std::string header =
        "P6\n" + std::to_string(frame.width) + " " + std::to_string(frame.height) + "\n255\n";
    bytes.resize(header.size() + PixelCount(frame) * 3);
    std::memcpy(bytes.data(), header.data(), header.size());
    ActiveFrameKernels().packRgb(frame.pixels, bytes.data() + header.size(),
                                 static_cast<std::int32_t>(PixelCount(frame)));
}
