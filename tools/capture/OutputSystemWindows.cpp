#include "OutputSystem.h"

#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <process.h>
#include <windows.h>

#include "InterruptRemoval.h"

namespace {

// Held by the main thread while interruptions wait; the control handler runs
// on a thread of its own and takes it before it removes anything.
SRWLOCK interruptLock = SRWLOCK_INIT;

// Ctrl+C, Ctrl+Break, a closed console, log-off and shut-down. The file was
// opened shareable for deletion, so it goes although it is still open; the
// system's own handler then ends the process as usual.
BOOL WINAPI RemoveAndEnd(DWORD)
{
    AcquireSRWLockShared(&interruptLock);
    RemovePendingFile();
    ReleaseSRWLockShared(&interruptLock);
    return FALSE;
}

// The C library's number for a failed creation, for the caller's message.
int ErrnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_DISK_FULL:
        return ENOSPC;
    default:
        return EIO;
    }
}

} // namespace

std::FILE* CreateNewFile(const std::string& path)
{
    // CREATE_NEW fails on any existing name, a link included. Sharing for
    // deletion lets an interrupted run remove the file while it is open.
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                      CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        errno = ErrnoOf(GetLastError());
        return nullptr;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        DeleteFileA(path.c_str());
        return nullptr;
    }
    std::FILE* file = _fdopen(fd, "wb");
    if (!file) {
        _close(fd);
        DeleteFileA(path.c_str());
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

// NTFS, FAT32's long names and exFAT all take 255 characters.
std::size_t NameLimit(const std::string&)
{
    return 255;
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

void RemoveFileAtOnce(const char* path)
{
    DeleteFileA(path);
}

void HoldInterrupts()
{
    AcquireSRWLockExclusive(&interruptLock);
}

void ReleaseInterrupts()
{
    ReleaseSRWLockExclusive(&interruptLock);
}

void InstallInterruptHandlers()
{
    SetConsoleCtrlHandler(RemoveAndEnd, TRUE);
}
