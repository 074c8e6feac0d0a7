#pragma once

#include <cstddef>
#include <cstdint>

// Copies bytes into memory that another process reads next, such as an image
// shared with a display server. Where the processor has them, the stores go
// around this core's caches: writing the lines in place would first fetch
// each one back from the other process's core, which on some machines costs
// more than the conversion that fills them.
void StreamCopy(std::uint8_t* destination, const std::uint8_t* source, std::size_t count);
