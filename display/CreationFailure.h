#pragma once

#include <cstdint>

// Records why CreateDisplayWindow stopped, as one line formatted like
// printf's, for DisplayFailureReason; returns 0, creation's failure result.
std::int32_t CreationFailed(const char* format, ...);
