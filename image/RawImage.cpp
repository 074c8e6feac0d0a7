#include "RawImage.h"

#include <cerrno>

RawImageLoad LoadRawImage(InputStream& stream, const char* name, Bitmap& bitmap, RawVariant variant)
{
    RawImageLoad load;
    errno = 0;
    load.opened = stream.Open(name);
    if (load.opened != 0)
        load.openError = errno;
    // A closed stream reads 0 and is always at its end: only an open one can
    // be short. A byte past the end reads 0xFF, so only a 0xFF byte asks.
    const bool open = load.opened == 0;
    const auto read = [&]() -> std::uint32_t {
        const std::uint8_t byte = stream.ReadByte();
        if (open && byte == 0xFF && stream.IsEof())
            ++load.missingBytes;
        return byte;
    };
    const std::int32_t count = bitmap.width * bitmap.height;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::uint32_t r = read();
        const std::uint32_t g = read();
        const std::uint32_t b = read();
        std::uint32_t word = (r << 16) + (g << 8) + b;
        if (variant == RawVariant::Alpha)
            word += ((r + g + b) / 3) << 24;
        bitmap.pixels[i] = word;
    }
    stream.Close();
    return load;
}
