#pragma once

// The instruction sets the frame kernels are built for. Baseline is portable
// vector code compiled for the build's own target (SSE2 on x86-64, NEON on
// 64-bit ARM, 128-bit vectors in WebAssembly, plain scalar code where the
// target has no vectors); AVX2 (with FMA) and AVX-512 exist in x86-64 builds
// only and run where the processor and the system support them.
enum class SimdLevel { Baseline, Avx2, Avx512 };

constexpr SimdLevel kAllSimdLevels[] = {SimdLevel::Baseline, SimdLevel::Avx2, SimdLevel::Avx512};

const char* SimdLevelName(SimdLevel level);

// Whether this build has the level and this processor can run it.
bool CanRunSimdLevel(SimdLevel level);

// The widest level that can run here; the frame uses it unless told otherwise.
SimdLevel WidestSimdLevel();

// Makes the frame use the given level, for tests and benchmarks that compare
// the levels. Returns false, changing nothing, when the level can't run here.
bool SelectSimdLevel(SimdLevel level);

SimdLevel SelectedSimdLevel();
