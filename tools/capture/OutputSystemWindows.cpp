#include "OutputSystem.h"

#include <cctype>
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <sys/stat.h>

std::FILE* CreateNewFile(const std::string& path)
{
    const int fd = _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return nullptr;
    std::FILE* file = _fdopen(fd, "wb");
    if (!file) {
        _close(fd);
        _unlink(path.c_str());
    }
    return file;
}

unsigned long ProcessNumber()
{
    return static_cast<unsigned long>(_getpid());
}

// Windows keeps one permission of its own, read-only, and a read-only file
// cannot be replaced at all: there is nothing to carry over.
bool GivePermissions(std::FILE*, std::filesystem::perms)
{
    return true;
}

bool FlushToDisk(std::FILE* file)
{
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}

bool IsReservedDeviceName(const std::string& path)
{
    std::string stem = std::filesystem::path(path).stem().string();
    for (char& c : stem)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (stem == "NUL" || stem == "CON" || stem == "PRN" || stem == "AUX")
        return true;
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
           stem[3] >= '1' && stem[3] <= '9';
}

void SetBinaryStandardOutput()
{
    _setmode(_fileno(stdout), _O_BINARY);
}

// Windows delivers Ctrl+C on a thread of its own and cannot remove a file
// that is still open, so an interrupted capture leaves its temporary file,
// named PATH.part-..., behind.
void RemoveOnInterrupt(const std::string&) {}
