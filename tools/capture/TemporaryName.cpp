#include "TemporaryName.h"

#include <algorithm>

namespace {

// Where the file's own name starts: after the last folder separator.
std::size_t NameStart(const std::string& path)
{
#ifdef _WIN32
    const std::size_t separator = path.find_last_of("/\\:");
#else
    const std::size_t separator = path.rfind('/');
#endif
    return separator == std::string::npos ? 0 : separator + 1;
}

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string TemporaryStem(const std::string& finalPath, unsigned long process, std::size_t nameLimit)
{
    const std::string tail = ".part-" + std::to_string(process) + "-";
    const std::size_t longestNumber = std::to_string(kTemporaryNameTries - 1).size();
    const std::size_t start = NameStart(finalPath);
    const std::size_t room = nameLimit > tail.size() + longestNumber ? nameLimit - tail.size() - longestNumber : 1;
    std::size_t kept = std::min(finalPath.size() - start, room);
    while (kept > 1 && start + kept < finalPath.size() && IsContinuationByte(finalPath[start + kept]))
        --kept;
    return finalPath.substr(0, start + kept) + tail;
}
