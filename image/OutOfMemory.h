#pragma once

#include <new>
#include <utility>

// Returns block; when it is null, says on standard error that memory for
// `what` could not be had and ends the process with exit code 1. The demo
// has no way to go on without its buffers, and must never write through null.
void* RequireAllocation(void* block, const char* what);

// A new T made from arguments, or the same message and exit when there is no
// memory for it.
template <typename T, typename... Arguments>
T* RequireNew(const char* what, Arguments&&... arguments)
{
    return static_cast<T*>(RequireAllocation(new (std::nothrow) T(std::forward<Arguments>(arguments)...), what));
}
