#include "ImageFolder.h"

#include <unistd.h>

// Linux names the running program's file at /proc/self/exe, its links
// resolved; elsewhere (the web page's virtual file system) there is none.
std::string ProgramFolder()
{
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", &path[0], path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size())
        return {};
    path.resize(static_cast<std::size_t>(length));
    return path.substr(0, path.find_last_of('/'));
}
