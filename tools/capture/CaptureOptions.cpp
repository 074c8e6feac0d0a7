#include "CaptureOptions.h"

#include <cstring>

#include "FramePath.h"
#include "PngFile.h"
#include "QuotedText.h"

const char kCaptureUsage[] =
    "usage: demo-capture [--frames N] [--start-ms T] [--frame-ms D] [--format raw|ppm|png] [--out PATH]\n"
    "  Draws N frames (default 1) of the demo from the images in datas/ with a scripted clock\n"
    "  that starts at T ms (default 0) and advances D ms (0 to 2147483647, default 20) per frame.\n"
    "  raw: each frame's 57600 pixel words, little-endian; ppm: a stream of binary PPM images;\n"
    "  png: one file per frame, PATH holding one integer conversion such as shots/frame_%04d.png.\n"
    "  PATH '-' (the default for raw and ppm) is standard output. --version prints the version.\n";

const char kCaptureVersion[] = "demo-capture " DEMO_VERSION "\n";

namespace {

// A whole decimal number from 0 to max, nothing else.
bool ParseNumber(const char* text, std::uint64_t max, std::uint32_t& value)
{
    if (*text == '\0')
        return false;
    std::uint64_t number = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9')
            return false;
        number = number * 10 + static_cast<std::uint64_t>(*c - '0');
        if (number > max)
            return false;
    }
    value = static_cast<std::uint32_t>(number);
    return true;
}

} // namespace

bool ParseCaptureOptions(int argc, const char* const* argv, CaptureOptions& options, std::string& error)
{
    bool outGiven = false;
    for (int i = 0; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "-h" || option == "--help") {
            options.help = true;
            return true;
        }
        if (option == "--version") {
            options.version = true;
            return true;
        }
        if (option != "--frames" && option != "--start-ms" && option != "--frame-ms" && option != "--format" &&
            option != "--out") {
            error = "unknown option " + Quoted(option);
            return false;
        }
        if (i + 1 >= argc) {
            error = option + " needs a value";
            return false;
        }
        const char* value = argv[++i];
        if (option == "--frames") {
            if (!ParseNumber(value, 0xFFFFFFFFu, options.frames) || options.frames < 1) {
                error = "--frames takes a whole number from 1 to 4294967295, not " + Quoted(value);
                return false;
            }
        } else if (option == "--start-ms") {
            if (!ParseNumber(value, 0xFFFFFFFFu, options.startMs)) {
                error = "--start-ms takes a whole number from 0 to 4294967295, not " + Quoted(value);
                return false;
            }
        } else if (option == "--frame-ms") {
            if (!ParseNumber(value, 0x7FFFFFFFu, options.frameMs)) {
                error = "--frame-ms takes a whole number from 0 to 2147483647, not " + Quoted(value);
                return false;
            }
        } else if (option == "--format") {
            if (std::strcmp(value, "raw") == 0)
                options.format = CaptureFormat::Raw;
            else if (std::strcmp(value, "ppm") == 0)
                options.format = CaptureFormat::Ppm;
            else if (std::strcmp(value, "png") == 0)
                options.format = CaptureFormat::Png;
            else {
                error = "--format takes raw, ppm or png, not " + Quoted(value);
                return false;
            }
        } else {
            options.out = value;
            outGiven = true;
            if (options.out.empty()) {
                error = "--out needs a path";
                return false;
            }
        }
    }
    if (options.format == CaptureFormat::Png) {
        if (!PngSupported()) {
            error = "this build has no PNG support: use --format raw or ppm";
            return false;
        }
        if (!outGiven || options.out == "-") {
            error = "png output needs --out with a file path";
            return false;
        }
        FramePath path;
        if (!ParseFramePath(options.out, path)) {
            error = "--out " + Quoted(options.out) + " must hold at most one integer conversion such as %04d";
            return false;
        }
        if (!path.numbered && options.frames > 1) {
            error = "--out needs an integer conversion such as %04d for more than one png frame";
            return false;
        }
    }
    return true;
}
