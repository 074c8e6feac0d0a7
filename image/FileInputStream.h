#pragma once

#include <cstdio>

#include "Stream.h"

// Reads a regular file through the C library's buffered file functions.
// Open exactly when file is not null.
class FileInputStream : public InputStream {
public:
    FileInputStream();
    ~FileInputStream() override;

    // Closes any open file first. -1 when the file can't be opened or is not
    // a regular file (a directory, a device, a FIFO: never waited on),
    // leaving the stream closed and the name as it was.
    std::int32_t Open(const char* name) override;
    std::int32_t Close() override;
    std::int32_t IsOpen() override;
    std::int32_t IsEof() override;
    InputStream* CreateNew() override;
    std::uint8_t ReadByte() override;

private:
    std::FILE* file;
};
