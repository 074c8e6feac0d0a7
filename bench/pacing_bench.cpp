// demo-pacing-bench: the demo's frame loop in a real window, 10 s as fast as
// it goes and 10 s paced to the display (as the V key does), with the
// processor time of this process and of the display server in each, and the
// frame rate. Usage: demo-pacing-bench SERVER_PID... (the X server, or the
// compositor's processes). Reads datas/ under the current directory.
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <unistd.h>

#include "DemoProgram.h"
#include "DisplayState.h"
#include "DisplayWindow.h"
#include "Pacing.h"
#include "PlatformClock.h"
#include "WindowedDisplay.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPhaseTime = std::chrono::seconds(10);

// Seconds of processor time that a process has used, from /proc/PID/stat
// (fields 14 and 15, user and system time in clock ticks); 0 when unreadable.
double ProcessSeconds(const std::string& pid)
{
    std::FILE* file = std::fopen(("/proc/" + pid + "/stat").c_str(), "r");
    if (!file)
        return 0;
    char text[1024] = {};
    const std::size_t length = std::fread(text, 1, sizeof text - 1, file);
    std::fclose(file);
    text[length] = '\0';
    // The command name, in parentheses, may hold spaces: count from the last ')'.
    const char* field = std::strrchr(text, ')');
    unsigned long long user = 0;
    unsigned long long system = 0;
    if (!field || std::sscanf(field + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &user, &system) != 2)
        return 0;
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double ServerSeconds(const std::vector<std::string>& pids)
{
    double total = 0;
    for (const std::string& pid : pids)
        total += ProcessSeconds(pid);
    return total;
}

double OwnSeconds()
{
    timespec now = {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void RunPhase(const char* name, Demo& demo, const std::vector<std::string>& server)
{
    const double ownBefore = OwnSeconds();
    const double serverBefore = ServerSeconds(server);
    const Clock::time_point start = Clock::now();
    Clock::time_point now = start;
    long frames = 0;
    while (now - start < kPhaseTime) {
        RunFrame(demo);
        ++frames;
        now = Clock::now();
    }
    const double seconds = std::chrono::duration<double>(now - start).count();
    std::printf("%-8s %8.1f frames/s   demo %5.1f%% of a core   display server %5.1f%% of a core\n", name,
                frames / seconds, 100 * (OwnSeconds() - ownBefore) / seconds,
                100 * (ServerSeconds(server) - serverBefore) / seconds);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "demo-pacing-bench: usage: demo-pacing-bench SERVER_PID...\n");
        return 1;
    }
    const std::vector<std::string> server(argv + 1, argv + argc);
    WindowedDisplay display;
    static Demo demo;
    if (StartDemo(demo, display, PlatformMilliseconds, {nullptr, stderr, "demo-pacing-bench"}) != 0) {
        std::fprintf(stderr, "demo-pacing-bench: cannot open the display: %s\n", DisplayFailureReason());
        return 1;
    }
    for (int i = 0; i < 100; ++i)
        RunFrame(demo);
    SDL_DisplayMode mode = {};
    SDL_GetCurrentDisplayMode(SDL_GetWindowDisplayIndex(displayState.window), &mode);
    std::printf("display refresh rate as SDL reports it: %d Hz%s\n", mode.refresh_rate,
                mode.refresh_rate > 0 ? "" : " (unknown: paced at 60 Hz)");
    RunPhase("unpaced", demo, server);
    TogglePacing();
    RunPhase("paced", demo, server);
    ShutdownDisplay();
    return 0;
}
