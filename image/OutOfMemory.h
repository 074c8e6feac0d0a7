#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

// Names the program in the line that RequireAllocation and the standard
// library's allocations print when memory runs out ("demo" until then), and
// makes those allocations print it and end the process with exit code 1
// where they would throw std::bad_alloc: one line, never an exception.
void HandleOutOfMemory(const char* program);

// Returns block; when it is null, says on standard error that memory for
// `what` could not be had and ends the process with exit code 1. The demo
// has no way to go on without its buffers, and must never write through null.
void* RequireAllocation(void* block, const char* what);

// Ends the process as RequireAllocation does for a null block.
[[noreturn]] void OutOfMemory(const char* what);

// While one lives, an allocation of the standard library that fails names
// what in the line, in place of the program's working memory at large.
class AllocatingFor {
public:
    explicit AllocatingFor(const char* what);
    ~AllocatingFor();

    AllocatingFor(const AllocatingFor&) = delete;
    AllocatingFor& operator=(const AllocatingFor&) = delete;

private:
    const char* previous;
};

// A new T made from arguments, or the same message and exit when there is no
// memory for it.
template <typename T, typename... Arguments>
T* RequireNew(const char* what, Arguments&&... arguments)
{
    // Even the nothrow new throws inside, and ends the process when memory
    // is short even for the exception: the handler stops it first.
    const AllocatingFor allocating(what);
    return static_cast<T*>(RequireAllocation(new (std::nothrow) T(std::forward<Arguments>(arguments)...), what));
}

// Gives a block from RequireBlock back to std::free.
struct FreeBlock {
    void operator()(void* block) const { std::free(block); }
};

template <typename T>
using OwnedBlock = std::unique_ptr<T[], FreeBlock>;

// count values of T, left unset, or the same message and exit when there is
// no memory for them. A block for no values holds one, as std::malloc may
// give null for none, which would read as memory run out.
template <typename T>
OwnedBlock<T> RequireBlock(std::size_t count, const char* what)
{
    static_assert(std::is_trivial_v<T>, "a block's values are not constructed");
    return OwnedBlock<T>(static_cast<T*>(RequireAllocation(std::malloc((count > 0 ? count : 1) * sizeof(T)), what)));
}
