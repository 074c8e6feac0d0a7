// demo-window-bench: the demo's frame loop in a real window against a loop
// that only presents and one that only draws, measured in turns in one run so
// that a shared, noisy machine affects all three alike. Reads datas/ under the
// current directory, as the demo does.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "DemoProgram.h"
#include "DisplayWindow.h"
#include "Median.h"
#include "PlatformClock.h"
#include "WindowedDisplay.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRounds = 7;
constexpr auto kRoundTime = std::chrono::milliseconds(400);

// Frames a second of one loop body, run for one round's time.
template <typename Body>
double FramesPerSecond(Body body)
{
    const Clock::time_point start = Clock::now();
    Clock::time_point now = start;
    long frames = 0;
    while (now - start < kRoundTime) {
        body();
        ++frames;
        now = Clock::now();
    }
    return frames / std::chrono::duration<double>(now - start).count();
}

void Report(const char* name, double framesPerSecond)
{
    std::printf("%-13s %8.0f frames/s  %7.1f us a frame\n", name, framesPerSecond, 1e6 / framesPerSecond);
}

} // namespace

int main()
{
    WindowedDisplay display;
    static Demo demo;
    if (StartDemo(demo, display, PlatformMilliseconds, {nullptr, stderr, "demo-window-bench"}) != 0) {
        std::fprintf(stderr, "demo-window-bench: cannot open the display: %s\n", DisplayFailureReason());
        return 1;
    }
    // The first frames settle the window; the present-only loop shows the
    // last of them again and again.
    for (int i = 0; i < 100; ++i)
        RunFrame(demo);

    std::vector<double> demoLoop, presentOnly, drawOnly;
    for (int round = 0; round < kRounds; ++round) {
        demoLoop.push_back(FramesPerSecond([] { RunFrame(demo); }));
        presentOnly.push_back(FramesPerSecond([] { demo.display->Present(demo.frame.get()); }));
        drawOnly.push_back(FramesPerSecond([] { DrawFrame(demo); }));
    }
    const double loop = Median(demoLoop);
    const double present = Median(presentOnly);
    const double draw = Median(drawOnly);
    Report("demo loop", loop);
    Report("present only", present);
    Report("draw only", draw);
    std::printf("demo loop / present only: %.2f\n", loop / present);
    std::printf("demo loop / draw only:    %.2f\n", loop / draw);
    ShutdownDisplay();
    return 0;
}
