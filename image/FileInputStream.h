#pragma once

#include <cstdio>

#include "Stream.h"

// Reads a regular file through the C library's file functions, a block at a
// time into a buffer of its own from which ReadByte takes the bytes: a call
// per block instead of one per byte. Open exactly when file is not null.
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
    std::uint8_t buffer[16384];
    std::size_t next; // the next byte of buffer to read
    std::size_t end; // the end of the bytes read into buffer
    bool pastEnd; // a read found no byte left at the end of the file
};
