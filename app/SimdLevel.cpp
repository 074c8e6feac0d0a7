#include "SimdLevel.h"

#include "FrameKernels.h"

namespace {

#ifdef DEMO_X86_KERNELS
// The compiler's run-time check also asks the system whether it saves the
// wide registers on a context switch.
bool ProcessorHasAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
}

bool ProcessorHasAvx512()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vl");
}
#endif

const FrameKernels& KernelsOf(SimdLevel level)
{
#ifdef DEMO_X86_KERNELS
    if (level == SimdLevel::Avx512)
        return kAvx512FrameKernels;
    if (level == SimdLevel::Avx2)
        return kAvx2FrameKernels;
#endif
    (void)level;
    return kBaselineFrameKernels;
}

SimdLevel& Selected()
{
    static SimdLevel level = WidestSimdLevel();
    return level;
}

} // namespace

const char* SimdLevelName(SimdLevel level)
{
    switch (level) {
    case SimdLevel::Avx2:
        return "avx2";
    case SimdLevel::Avx512:
        return "avx512";
    case SimdLevel::Baseline:
        break;
    }
    return "baseline";
}

bool CanRunSimdLevel(SimdLevel level)
{
    switch (level) {
    case SimdLevel::Baseline:
        return true;
#ifdef DEMO_X86_KERNELS
    case SimdLevel::Avx2:
        return ProcessorHasAvx2();
    case SimdLevel::Avx512:
        return ProcessorHasAvx512();
#else
    default:
        return false;
#endif
    }
    return false;
}

SimdLevel WidestSimdLevel()
{
    SimdLevel widest = SimdLevel::Baseline;
    for (SimdLevel level : kAllSimdLevels) {
        if (CanRunSimdLevel(level))
            widest = level;
    }
    return widest;
}

bool SelectSimdLevel(SimdLevel level)
{
    if (!CanRunSimdLevel(level))
        return false;
    Selected() = level;
    return true;
}

SimdLevel SelectedSimdLevel()
{
    return Selected();
}

const FrameKernels& ActiveFrameKernels()
{
    return KernelsOf(Selected());
}
