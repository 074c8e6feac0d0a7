#include "ChooserChildren.h"

#include <pthread.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>

namespace {

bool childrenTied = false;
pid_t parent = 0;

// Runs in the child just after every fork. The death signal survives the
// exec of a program that gains no privileges, zenity's included. A parent
// that ended before the signal was set is seen by its pid.
void TieChild()
{
    if (!childrenTied)
        return;
    if (prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || getppid() != parent)
        _exit(1);
}

} // namespace

void TieChildrenToThisProcess(bool tied)
{
    static bool registered = false;
    if (!registered)
        registered = pthread_atfork(nullptr, nullptr, TieChild) == 0;
    parent = getpid();
    childrenTied = tied;
}
