#pragma once

#include <cstdint>

// The platform's millisecond count, wrapping at 2^32.
std::uint32_t PlatformMilliseconds();
