#pragma once

// Registers the frame benchmarks: each pass of the frame and the whole frame
// on every kernel level the processor runs, the literal frame beside them,
// and the start-up preparation of the lighting tables.
void RegisterFrameBenchmarks();
