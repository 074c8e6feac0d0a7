#include "FramePath.h"

#include <cstdio>
#include <cstring>

bool ParseFramePath(const std::string& pattern, FramePath& path)
{
    path = FramePath();
    std::string* text = &path.prefix;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            *text += pattern[i];
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
            *text += '%';
            ++i;
            continue;
        }
        if (path.numbered)
            return false;
        std::size_t end = i + 1;
        while (end < pattern.size() && std::strchr("-+ 0", pattern[end]))
            ++end;
        std::size_t widthDigits = 0;
        while (end < pattern.size() && pattern[end] >= '0' && pattern[end] <= '9') {
            ++end;
            ++widthDigits;
        }
        if (end >= pattern.size() || !std::strchr("diu", pattern[end]) || widthDigits > 2)
            return false;
        path.conversion = pattern.substr(i, end - i) + 'u';
        path.numbered = true;
        text = &path.suffix;
        i = end;
    }
    return true;
}

std::string FormatFramePath(const FramePath& path, std::uint32_t frame)
{
    if (!path.numbered)
        return path.prefix;
    char number[128];
    std::snprintf(number, sizeof number, path.conversion.c_str(), static_cast<unsigned>(frame));
    return path.prefix + number + path.suffix;
}
