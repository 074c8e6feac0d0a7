#pragma once

#include <cstdint>
#include <string>

// A file name pattern with at most one printf-style integer conversion
// (flags, width, then d, i or u) for the frame number; %% stands for %.
struct FramePath {
    std::string prefix;
    std::string conversion; // "%04d" and the like, empty when the name has no number
    std::string suffix;
    bool numbered = false;
};

// False when the pattern holds any other conversion or more than one.
bool ParseFramePath(const std::string& pattern, FramePath& path);

// The file name of one frame.
std::string FormatFramePath(const FramePath& path, std::uint32_t frame);
