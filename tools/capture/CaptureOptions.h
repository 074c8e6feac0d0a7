#pragma once

#include <cstdint>
#include <string>

enum class CaptureFormat { Raw, Ppm, Png };

struct CaptureOptions {
    std::uint32_t frames = 1;
    std::uint32_t startMs = 0;
    std::uint32_t frameMs = 20;
    CaptureFormat format = CaptureFormat::Raw;
    std::string out = "-";
    bool help = false;
    bool version = false;
};

extern const char kCaptureUsage[];
// "demo-capture VERSION", the project's version, and a line feed.
extern const char kCaptureVersion[];

// Parses the arguments after the program name. On failure returns false and
// sets error to a one-line reason.
bool ParseCaptureOptions(int argc, const char* const* argv, CaptureOptions& options, std::string& error);
