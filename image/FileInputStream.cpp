#include "FileInputStream.h"

#include <new>
#include <sys/stat.h>

namespace {

bool IsRegularFile(std::FILE* file)
{
    struct stat status;
    return fstat(fileno(file), &status) == 0 && (status.st_mode & S_IFMT) == S_IFREG;
}

} // namespace

FileInputStream::FileInputStream() : file(nullptr) {}

FileInputStream::~FileInputStream()
{
    Close();
}

std::int32_t FileInputStream::Open(const char* name)
{
    if (IsOpen())
        Close();
    file = std::fopen(name, "rb");
    if (!file)
        return -1;
    // Some C libraries open a directory for reading and then fail every read;
    // such a name is no image file, on every platform.
    if (!IsRegularFile(file)) {
        std::fclose(file);
        file = nullptr;
        return -1;
    }
    SetName(name);
    return 0;
}

std::int32_t FileInputStream::Close()
{
    if (!IsOpen())
        return -1;
    std::fclose(file);
    file = nullptr;
    return 0;
}

std::int32_t FileInputStream::IsOpen()
{
    return file != nullptr ? 1 : 0;
}

std::int32_t FileInputStream::IsEof()
{
    if (!IsOpen())
        return 1;
    return std::feof(file);
}

InputStream* FileInputStream::CreateNew()
{
    return new (std::nothrow) FileInputStream();
}

std::uint8_t FileInputStream::ReadByte()
{
    if (!IsOpen())
        return 0;
    return static_cast<std::uint8_t>(std::fgetc(file));
}
