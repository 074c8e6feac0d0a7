#include <atomic>
#include <cstdlib>

#include "InterruptRemoval.h"
#include "OutputSystem.h"

namespace {

// The path to remove, read by a signal handler or a control handler on a
// thread of its own: a lock-free atomic is safe to read there, and the text
// it points at does not change while it is set.
std::atomic<const char*> pendingRemoval{nullptr};
static_assert(std::atomic<const char*>::is_always_lock_free, "a signal handler reads this pointer");

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
    static std::string held;
    pendingRemoval.store(nullptr);
    held = path;
    if (!held.empty())
        pendingRemoval.store(held.c_str());
}
