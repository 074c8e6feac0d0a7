#include "OutputSystem.h"

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "InterruptRemoval.h"

namespace {

// Installed with SA_RESETHAND: the default action is back when this runs, so
// raising the signal again ends the process as it would have ended, once
// the handler returns and the signal is no longer blocked.
void RemoveAndEnd(int signal)
{
    RemovePendingFile();
    std::raise(signal);
}

// The signals whose ends remove the pending file.
constexpr int kInterruptSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// The signal mask before HoldInterrupts, which ReleaseInterrupts puts back:
// a signal the parent blocked stays blocked.
sigset_t maskBeforeHold;

} // namespace

void RemoveFileAtOnce(const char* path)
{
    unlink(path);
}

void HoldInterrupts()
{
    sigset_t signals;
    sigemptyset(&signals);
    for (int signal : kInterruptSignals)
        sigaddset(&signals, signal);
    sigprocmask(SIG_BLOCK, &signals, &maskBeforeHold);
}

void ReleaseInterrupts()
{
    sigprocmask(SIG_SETMASK, &maskBeforeHold, nullptr);
}

void InstallInterruptHandlers()
{
    for (int signal : kInterruptSignals) {
        struct sigaction action {};
        // A signal the parent made the process ignore (nohup, a background
        // job) stays ignored.
        if (sigaction(signal, nullptr, &action) != 0 || action.sa_handler == SIG_IGN)
            continue;
        action = {};
        action.sa_handler = RemoveAndEnd;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}

std::FILE* CreateNewFile(const std::string& path)
{
    // O_EXCL fails on any existing name, a link included; O_NOFOLLOW says the
    // same where a system would treat links otherwise.
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    std::FILE* file = fdopen(fd, "wb");
    if (!file) {
        close(fd);
        unlink(path.c_str());
    }
    return file;
}

unsigned long ProcessNumber()
{
    return static_cast<unsigned long>(getpid());
}

bool GivePermissions(std::FILE* file, std::filesystem::perms permissions)
{
    return fchmod(fileno(file), static_cast<mode_t>(permissions & std::filesystem::perms::mask)) == 0;
}

bool FlushToDisk(std::FILE* file)
{
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

std::size_t NameLimit(const std::string& folder)
{
    const long limit = pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<std::size_t>(limit) : 255;
}

bool IsReservedDeviceName(const std::string&)
{
    return false;
}

void SetBinaryStandardOutput() {}
