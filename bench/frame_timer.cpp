// frame-timer: the time of a whole frame on each kernel level this machine
// runs, and of the literal frame, without Google Benchmark, so that builds
// without it (WebAssembly under Node) can be timed the same way. Each figure
// is the median of nine runs of 250 frames of random images (25 for the
// literal frame), with the benchmark's moving light, in processor time.
#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#else
#include <time.h>
#endif

#include <algorithm>
#include <cstdio>
#include <vector>

#include "DemoProgram.h"
#include "FrameCycle.h"
#include "RandomScene.h"
#include "ReferenceFrame.h"
#include "SimdLevel.h"

namespace {

#ifdef __EMSCRIPTEN__
// The C library's process clock reads 0 in WebAssembly; Node counts it.
double ProcessMicroseconds()
{
    return EM_ASM_DOUBLE({
        const used = process.cpuUsage();
        return used.user + used.system;
    });
}
#else
double ProcessMicroseconds()
{
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) * 1e-3;
}
#endif

double MedianFrameMicroseconds(void (*draw)(Demo&), int framesPerRun)
{
    RandomScene scene(1, FrameCycleClock());
    std::vector<double> runs;
    for (int run = 0; run < 9; ++run) {
        const double start = ProcessMicroseconds();
        for (int frame = 0; frame < framesPerRun; ++frame)
            draw(scene.demo);
        runs.push_back((ProcessMicroseconds() - start) / framesPerRun);
    }
    std::nth_element(runs.begin(), runs.begin() + runs.size() / 2, runs.end());
    return runs[runs.size() / 2];
}

void Report(const char* name, double microseconds, double literal)
{
    std::printf("%-10s %9.1f us a frame %9.0f frames per second %7.1fx the literal frame\n", name, microseconds,
                1e6 / microseconds, literal / microseconds);
}

} // namespace

int main()
{
    const double literal = MedianFrameMicroseconds(ReferenceDrawFrame, 25);
    Report("literal", literal, literal);
    for (SimdLevel level : kAllSimdLevels) {
        if (!SelectSimdLevel(level))
            continue;
        Report(SimdLevelName(level), MedianFrameMicroseconds(DrawFrame, static_cast<int>(kFramesInCycle)), literal);
    }
    return 0;
}
