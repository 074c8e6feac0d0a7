// demo-capture: runs the demo's frame loop with a scripted clock and writes
// the frames to files or standard output instead of a window.
#include <cstdio>
#include <string>
#include <vector>

#include "CaptureDisplay.h"
#include "CaptureOptions.h"
#include "ConsoleDescriptors.h"
#include "DemoProgram.h"
#include "FrameEncoding.h"
#include "FramePath.h"
#include "OutOfMemory.h"
#include "OutputFile.h"
#include "PngFile.h"
#include "ScriptedClock.h"

namespace {

int UsageError(const std::string& message)
{
    std::fprintf(stderr, "demo-capture: %s\n%s", message.c_str(), kCaptureUsage);
    return 2;
}

int OutputError(const std::string& message)
{
    std::fprintf(stderr, "demo-capture: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    KeepConsoleDescriptorsTaken();
    HandleOutOfMemory("demo-capture");
    CaptureOptions options;
    std::string error;
    if (!ParseCaptureOptions(argc - 1, argv + 1, options, error))
        return UsageError(error);
    if (options.help) {
        std::fputs(kCaptureUsage, stdout);
        return 0;
    }
    if (options.version) {
        std::fputs(kCaptureVersion, stdout);
        return 0;
    }

    OutputFile stream;
    FramePath pngPath;
    if (options.format == CaptureFormat::Png)
        ParseFramePath(options.out, pngPath);
    else if (!stream.Open(options.out))
        return OutputError(stream.error);

    std::uint32_t frameNumber = 0;
    std::vector<std::uint8_t> bytes;
    CaptureDisplay display([&](const Bitmap& frame) {
        const std::uint32_t number = frameNumber++;
        ByteSpan out{};
        switch (options.format) {
        case CaptureFormat::Raw:
            out = RawFrameBytes(frame);
            break;
        case CaptureFormat::Ppm:
            out = EncodePpmFrame(frame, bytes);
            break;
        case CaptureFormat::Png:
            return WritePngFile(FormatFramePath(pngPath, number), frame, error);
        }
        if (!stream.Write(out.data, out.size)) {
            error = stream.error;
            return false;
        }
        return true;
    });

    // The scripted clock's first reading is the start time; frame k then reads
    // start + (k + 1) x step.
    Demo demo;
    StartDemo(demo, display, ScriptedClock(options.startMs, options.frameMs), {nullptr, stderr, "demo-capture"});
    for (std::uint32_t k = 0; k < options.frames; ++k) {
        if (RunFrame(demo) != 0)
            return OutputError(error);
    }
    if (options.format != CaptureFormat::Png && !stream.Commit())
        return OutputError(stream.error);
    return 0;
}
