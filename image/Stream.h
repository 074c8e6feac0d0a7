#pragma once

#include <cstdint>

// A named byte stream that can be opened and closed. The name is an owned
// copy; it survives Close and is visible through GetName only while open.
class Stream {
public:
    Stream();
    virtual ~Stream();

    Stream(const Stream&) = delete;
    Stream& operator=(const Stream&) = delete;

    // 0 on success, negative on failure.
    virtual std::int32_t Open(const char* name) = 0;
    // 0 when an open stream was closed, -1 when it was not open.
    virtual std::int32_t Close() = 0;
    virtual std::int32_t IsOpen() = 0;

    // The stored name while open, else null. Not a copy.
    const char* GetName();
    // Replaces the stored name with a copy of name (which may be the stored name itself).
    void SetName(const char* name);

private:
    char* name;
};

// A stream read one byte at a time.
class InputStream : public Stream {
public:
    // Non-zero once a read ran into the end, and whenever the stream is closed.
    virtual std::int32_t IsEof() = 0;
    // A new, closed, unnamed stream of the same class, owned by the caller.
    virtual InputStream* CreateNew() = 0;
    // The next byte; 0xFF at the end, 0 when closed.
    virtual std::uint8_t ReadByte() = 0;
};
