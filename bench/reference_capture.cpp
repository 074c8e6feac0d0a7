// reference-capture: demo-capture's raw and PPM output made literally, each
// frame drawn pixel by pixel by the literal frame and encoded byte by byte,
// with demo-capture's options. It gives the same bytes; it is the process
// that demo-capture's speed is measured against (bench/time-capture.sh).
#include <cstdio>
#include <string>
#include <vector>

#include "CaptureDisplay.h"
#include "CaptureOptions.h"
#include "DemoProgram.h"
#include "OutputFile.h"
#include "ReferenceFrame.h"
#include "ScriptedClock.h"

namespace {

const char kUsage[] = "usage: reference-capture [--frames N] [--start-ms T] [--frame-ms D] [--format raw|ppm] "
                      "[--out PATH], as demo-capture\n";

int Fail(const std::string& message, int code)
{
    std::fprintf(stderr, "reference-capture: %s\n%s", message.c_str(), code == 2 ? kUsage : "");
    return code;
}

void EncodeRaw(const Bitmap& frame, std::vector<std::uint8_t>& bytes)
{
    bytes.clear();
    for (std::int32_t i = 0; i < frame.width * frame.height; ++i) {
        const std::uint32_t p = frame.pixels[i];
        bytes.push_back(static_cast<std::uint8_t>(p));
        bytes.push_back(static_cast<std::uint8_t>(p >> 8));
        bytes.push_back(static_cast<std::uint8_t>(p >> 16));
        bytes.push_back(static_cast<std::uint8_t>(p >> 24));
    }
}

void EncodePpm(const Bitmap& frame, std::vector<std::uint8_t>& bytes)
{
    const std::string header = "P6\n" + std::to_string(frame.width) + " " + std::to_string(frame.height) + "\n255\n";
    bytes.assign(header.begin(), header.end());
    for (std::int32_t i = 0; i < frame.width * frame.height; ++i) {
        const std::uint32_t p = frame.pixels[i];
        bytes.push_back(static_cast<std::uint8_t>(p >> 16));
        bytes.push_back(static_cast<std::uint8_t>(p >> 8));
        bytes.push_back(static_cast<std::uint8_t>(p));
    }
}

} // namespace

int main(int argc, char** argv)
{
    CaptureOptions options;
    std::string error;
    if (!ParseCaptureOptions(argc - 1, argv + 1, options, error))
        return Fail(error, 2);
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (options.format == CaptureFormat::Png)
        return Fail("only raw and ppm frames", 2);
    OutputFile stream;
    if (!stream.Open(options.out))
        return Fail(stream.error, 1);

    // The clock as demo-capture's: the first reading is the start time.
    CaptureDisplay display([](const Bitmap&) { return true; });
    Demo demo;
    StartDemo(demo, display, ScriptedClock(options.startMs, options.frameMs), {nullptr, stderr, "reference-capture"});
    std::vector<std::uint8_t> bytes;
    for (std::uint32_t k = 0; k < options.frames; ++k) {
        ReferenceDrawFrame(demo);
        if (options.format == CaptureFormat::Raw)
            EncodeRaw(*demo.frame, bytes);
        else
            EncodePpm(*demo.frame, bytes);
        if (!stream.Write(bytes))
            return Fail(stream.error, 1);
    }
    if (!stream.Commit())
        return Fail(stream.error, 1);
    return 0;
}
