#include "Random15.h"

// Constant-initialised, so it is 1 before any static constructor draws from it.
std::uint32_t random15State = 1;

std::uint32_t Random15()
{
    random15State = random15State * 214013u + 2531011u;
    return (random15State >> 16) & 0x7FFF;
}
