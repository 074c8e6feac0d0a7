#include "FileInputStream.h"

#include <new>

#include "RegularFile.h"

FileInputStream::FileInputStream() : file(nullptr) {}

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
