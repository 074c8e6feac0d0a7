#include "OutOfMemory.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

const char* programName = "demo";
const char* libraryAllocation = "its working memory";

// The standard library's containers and texts ask for memory here when
// operator new finds none: this says so and ends the run instead of throwing.
void NoMemoryForTheLibrary()
{
    OutOfMemory(libraryAllocation);
}

} // namespace

void HandleOutOfMemory(const char* program)
{
    programName = program;
    std::set_new_handler(NoMemoryForTheLibrary);
}

AllocatingFor::AllocatingFor(const char* what) : previous(libraryAllocation)
{
    libraryAllocation = what;
}

AllocatingFor::~AllocatingFor()
{
    libraryAllocation = previous;
}

void OutOfMemory(const char* what)
{
    // Formatted into a buffer of the stack: stdio may have no memory for
    // one of its own.
    char line[256];
    const int length = std::snprintf(line, sizeof line, "%s: out of memory allocating %s\n", programName, what);
    if (length > 0)
        std::fwrite(line, 1, std::min(static_cast<std::size_t>(length), sizeof line - 1), stderr);
    std::exit(1);
}

void* RequireAllocation(void* block, const char* what)
{
    if (!block)
        OutOfMemory(what);
    return block;
}
