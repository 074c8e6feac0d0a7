#include "OutOfMemory.h"

#include <cstdio>
#include <cstdlib>

void* RequireAllocation(void* block, const char* what)
{
    if (!block) {
        std::fprintf(stderr, "demo: out of memory allocating %s\n", what);
        std::exit(1);
    }
    return block;
}
