// frame-timer: the time of a whole frame on each kernel level this machine
// runs, and of the literal frame, without Google Benchmark, so that builds
// without it (WebAssembly under Node) can be timed the same way. Random
// images, the benchmark's moving light, processor time; the levels take
// turns, 31 rounds of 50 frames each (5 for the literal frame), so that a
// busy moment of the machine falls on all of them alike, and each figure is
// the median of its rounds.
#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#else
#include <time.h>
#endif

#include <cstdio>
#include <memory>
#include <vector>

#include "DemoProgram.h"
#include "FrameCycle.h"
#include "Median.h"
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

struct Contender {
    const char* name;
    SimdLevel level;
    void (*draw)(Demo&);
    int framesPerRound;
    std::unique_ptr<RandomScene> scene;
    std::vector<double> rounds;
};

} // namespace

int main()
{
    std::vector<Contender> contenders;
    contenders.push_back({"literal", WidestSimdLevel(), ReferenceDrawFrame, 5, nullptr, {}});
    for (SimdLevel level : kAllSimdLevels) {
        if (CanRunSimdLevel(level))
            contenders.push_back({SimdLevelName(level), level, DrawFrame, 50, nullptr, {}});
    }
    for (Contender& contender : contenders)
        contender.scene = std::make_unique<RandomScene>(1, FrameCycleClock());

    for (int round = 0; round < 31; ++round) {
        for (Contender& contender : contenders) {
            SelectSimdLevel(contender.level);
            const double start = ProcessMicroseconds();
            for (int frame = 0; frame < contender.framesPerRound; ++frame)
                contender.draw(contender.scene->demo);
            contender.rounds.push_back((ProcessMicroseconds() - start) / contender.framesPerRound);
        }
    }

    const double literal = Median(contenders.front().rounds);
    for (const Contender& contender : contenders) {
        const double microseconds = Median(contender.rounds);
        std::printf("%-10s %9.1f us a frame %9.0f frames per second %7.1fx the literal frame\n", contender.name,
                    microseconds, 1e6 / microseconds, literal / microseconds);
    }
    return 0;
}
