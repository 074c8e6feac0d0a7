#include "UnreadableFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

std::string WhyUnreadable(const char* name, int openError)
{
    // The name itself tells most: absent, or something other than a file.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(name, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return "missing";
    if (!error && status.type() != std::filesystem::file_type::regular)
        return "not a regular file";
    // A file that is there but would not open: the open's own reason, or the
    // reason the name could not be looked at.
    const int reason = openError != 0 ? openError : error.value();
    if (reason == EACCES || reason == EPERM)
        return "permission denied";
    if (reason == 0)
        return "unreadable";
    return std::strerror(reason);
}
