#include "RegularFile.h"

#include <sys/stat.h>

// Where there is no non-blocking open, the C library's open, then the check.
// Some C libraries open a directory for reading and then fail every read.
std::FILE* OpenRegularFile(const char* name)
{
    std::FILE* file = std::fopen(name, "rb");
    if (!file)
        return nullptr;
    struct stat status;
    if (fstat(fileno(file), &status) != 0 || (status.st_mode & S_IFMT) != S_IFREG) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}
