// demo-bench: time per frame of each pass of the demo's frame, the literal
// frame as the baseline, and the row converters.
#include <benchmark/benchmark.h>

#include "FrameBenchmarks.h"

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RegisterFrameBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
