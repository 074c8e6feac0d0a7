#pragma once

#include <cstdint>

#include <windows.h>

// Records why display creation stopped, for DisplayFailureReason, and
// returns 0, the creation sequence's failure result.
std::int32_t CreationFailed(const char* reason);
// The same for a failed DirectDraw call, with its result code.
std::int32_t CreationFailed(const char* call, HRESULT result);
