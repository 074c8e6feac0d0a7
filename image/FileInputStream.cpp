#include "FileInputStream.h"

#include <new>

#include "RegularFile.h"

FileInputStream::FileInputStream() : file(nullptr), buffer(), next(0), end(0), pastEnd(false) {}

FileInputStream::~FileInputStream()
{
    Close();
}

std::int32_t FileInputStream::Open(const char* name)
{
    if (IsOpen())
        Close();
    file = OpenRegularFile(name);
    if (!file)
        return -1;
    next = 0;
    end = 0;
    pastEnd = false;
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
    return pastEnd ? 1 : 0;
}

InputStream* FileInputStream::CreateNew()
{
    return new (std::nothrow) FileInputStream();
}

std::uint8_t FileInputStream::ReadByte()
{
    if (!IsOpen())
        return 0;
    if (next == end) {
        next = 0;
        end = std::fread(buffer, 1, sizeof buffer, file);
        if (end == 0) {
            // As a byte read past the end, or after a read error, reads.
            pastEnd = std::feof(file) != 0;
            return static_cast<std::uint8_t>(EOF);
        }
    }
    return buffer[next++];
}
