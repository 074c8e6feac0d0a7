// PNG output in a build without libpng: the options refuse --format png.
#include "PngFile.h"
#include "QuotedText.h"

bool PngSupported()
{
    return false;
}

bool WritePngFile(const std::string& path, const Bitmap&, std::string& error)
{
    error = "cannot write " + Quoted(path) + ": this build has no PNG support";
    return false;
}
