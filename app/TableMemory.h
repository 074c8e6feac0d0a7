#pragma once

#include <cstddef>

// Memory for a table of megabytes that every frame reads, released with
// std::free; null when memory runs out. On Linux it comes in whole 2 MB
// blocks, aligned to them, that the kernel is asked to back with huge pages:
// a few page faults instead of hundreds at start-up, which on a virtual
// machine cost milliseconds.
void* AllocateTableMemory(std::size_t bytes);
