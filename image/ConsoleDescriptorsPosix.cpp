#include "ConsoleDescriptors.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

void KeepConsoleDescriptorsTaken()
{
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) != -1 || errno != EBADF)
            continue;
        // open gives the lowest free number, which is this one: the lower
        // ones are open by now.
        const int opened = open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened != descriptor && opened >= 0)
            close(opened);
    }
}

void IgnoreGoneReaders()
{
    std::signal(SIGPIPE, SIG_IGN);
}
