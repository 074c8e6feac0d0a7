#include "PngFile.h"

#include <cstring>
#include <png.h>
#include <vector>

#include "FrameEncoding.h"
#include "OutOfMemory.h"
#include "OutputFile.h"

namespace {

// libpng reports the memory it could not have only in its message ("out of
// memory", "insufficient memory"), as it reports everything else; that case
// ends the run as every other allocation does.
bool EncodePng(png_image& image, void* memory, png_alloc_size_t& size, const std::vector<std::uint8_t>& rgb,
               std::string& error)
{
    if (png_image_write_to_memory(&image, memory, &size, 0, rgb.data(), 0, nullptr))
        return true;
    const std::string message = image.message;
    png_image_free(&image);
    if (message.find("memory") != std::string::npos)
        OutOfMemory("the PNG encoding of a frame");
    error = "cannot encode PNG: " + message;
    return false;
}

} // namespace

bool PngSupported()
{
    return true;
}

bool WritePngFile(const std::string& path, const Bitmap& frame, std::string& error)
{
    std::vector<std::uint8_t> rgb;
    EncodeRgb(frame, rgb);

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(frame.width);
    image.height = static_cast<png_uint_32>(frame.height);
    image.format = PNG_FORMAT_RGB;

    png_alloc_size_t size = 0;
    if (!EncodePng(image, nullptr, size, rgb, error))
        return false;
    std::vector<std::uint8_t> encoded;
    {
        const AllocatingFor buffer("a PNG frame");
        encoded.resize(size);
    }
    if (!EncodePng(image, encoded.data(), size, rgb, error))
        return false;
    encoded.resize(size);

    OutputFile file;
    if (!file.Open(path) || !file.Write(encoded) || !file.Commit()) {
        error = file.error;
        return false;
    }
    return true;
}
