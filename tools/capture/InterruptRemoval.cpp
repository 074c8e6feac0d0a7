#include <atomic>
#include <cstdlib>
#include <cstring>

#include "InterruptRemoval.h"
#include "OutOfMemory.h"
#include "OutputSystem.h"

namespace {

// The path to remove, read by a signal handler, a control handler on a
// thread of its own or the exit handler: a lock-free atomic is safe to read
// there. The text it points at is a block of its own that no destructor
// frees, so that the exit handler, which runs after the static objects are
// destroyed, still finds it.
std::atomic<char*> pendingRemoval{nullptr};
static_assert(std::atomic<char*>::is_always_lock_free, "a signal handler reads this pointer");

} // namespace

void RemovePendingFile()
{
    if (const char* path = pendingRemoval.load())
        RemoveFileAtOnce(path);
}

void RemoveOnInterrupt(const std::string& path)
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        std::atexit(RemovePendingFile);
        InstallInterruptHandlers();
    }
    char* held = nullptr;
    if (!path.empty()) {
        held = static_cast<char*>(RequireAllocation(std::malloc(path.size() + 1), "the temporary file's name"));
        std::memcpy(held, path.c_str(), path.size() + 1);
    }
    std::free(pendingRemoval.exchange(held));
}
