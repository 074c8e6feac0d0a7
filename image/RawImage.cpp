#include "RawImage.h"

void LoadRawImage(InputStream& stream, const char* name, Bitmap& bitmap, RawVariant variant)
{
    stream.Open(name);
    const std::int32_t count = bitmap.width * bitmap.height;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::uint32_t r = stream.ReadByte();
        const std::uint32_t g = stream.ReadByte();
        const std::uint32_t b = stream.ReadByte();
        std::uint32_t word = (r << 16) + (g << 8) + b;
        if (variant == RawVariant::Alpha)
            word += ((r + g + b) / 3) << 24;
        bitmap.pixels[i] = word;
    }
    stream.Close();
}
