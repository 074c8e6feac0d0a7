#include "Stream.h"

#include <cstdlib>
#include <cstring>

#include "OutOfMemory.h"

Stream::Stream() : name(nullptr) {}

Stream::~Stream()
{
    if (name) {
        std::free(name);
        name = nullptr;
    }
}

const char* Stream::GetName()
{
    return IsOpen() ? name : nullptr;
}

void Stream::SetName(const char* newName)
{
    // Copy before releasing the old text: newName may be the stored name itself.
    const std::size_t size = std::strlen(newName) + 1;
    char* copy = static_cast<char*>(RequireAllocation(std::malloc(size), "a stream name"));
    std::memcpy(copy, newName, size);
    if (name)
        std::free(name);
    name = copy;
}
