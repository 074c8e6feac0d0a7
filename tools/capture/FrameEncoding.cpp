#include "FrameEncoding.h"

#include <cstring>
#include <string>

#include "FrameKernels.h"
#include "OutOfMemory.h"

// The encodings rely on the host's byte order being that of the raw format.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "raw frames are little-endian pixel words");

namespace {

// The frame's R, G and B into rgb, three bytes a pixel.
void PackRgb(const Bitmap& frame, std::uint8_t* rgb)
{
    ActiveFrameKernels().packRgb(frame.pixels, rgb, static_cast<std::int32_t>(frame.PixelCount()));
}

} // namespace

ByteSpan RawFrameBytes(const Bitmap& frame)
{
    return {reinterpret_cast<const std::uint8_t*>(frame.pixels), frame.PixelCount() * 4};
}

void EncodeRgb(const Bitmap& frame, std::vector<std::uint8_t>& bytes)
{
    const AllocatingFor buffer("a frame's RGB bytes");
    bytes.resize(frame.PixelCount() * 3);
    PackRgb(frame, bytes.data());
}

ByteSpan EncodePpmFrame(const Bitmap& frame, std::vector<std::uint8_t>& bytes)
{
    // The packing's wide stores are fastest when each fills whole cache lines.
    constexpr std::size_t kLine = 64;
    const AllocatingFor buffer("a PPM frame");
    const std::string header =
        "P6\n" + std::to_string(frame.width) + " " + std::to_string(frame.height) + "\n255\n";
    const std::size_t size = header.size() + frame.PixelCount() * 3;
    bytes.resize(size + kLine - 1);
    const std::size_t pixelsAt = reinterpret_cast<std::uintptr_t>(bytes.data()) + header.size();
    std::uint8_t* const image = bytes.data() + (kLine - pixelsAt % kLine) % kLine;
    std::memcpy(image, header.data(), header.size());
    PackRgb(frame, image + header.size());
    return {image, size};
}
