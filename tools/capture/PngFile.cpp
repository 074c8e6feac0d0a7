#include "PngFile.h"

#include <cstring>
#include <png.h>
#include <vector>

#include "FrameEncoding.h"
#include "OutputFile.h"

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
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) {
        error = std::string("cannot encode PNG: ") + image.message;
        png_image_free(&image);
        return false;
    }
    std::vector<std::uint8_t> encoded(size);
    if (!png_image_write_to_memory(&image, encoded.data(), &size, 0, rgb.data(), 0, nullptr)) {
        error = std::string("cannot encode PNG: ") + image.message;
        png_image_free(&image);
        return false;
    }
    encoded.resize(size);

    OutputFile file;
    if (!file.Open(path) || !file.Write(encoded) || !file.Commit()) {
        error = file.error;
        return false;
    }
    return true;
}
