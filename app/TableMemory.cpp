#include "TableMemory.h"

#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

void* AllocateTableMemory(std::size_t bytes)
{
#if defined(__linux__)
    constexpr std::size_t kHugePage = std::size_t{2} << 20;
    const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* memory = std::aligned_alloc(kHugePage, rounded);
    // Only a hint: without huge pages the memory is the same, in small pages.
    if (memory)
        madvise(memory, rounded, MADV_HUGEPAGE);
    return memory;
#else
    return std::malloc(bytes);
#endif
}
