#pragma once

// Registers the frame benchmarks: each pass of the frame and the whole frame
// on every kernel level the processor runs, under a moving and a still
// light, the literal frame beside them, demo-capture's encodings of a frame,
// and the start-up preparation of the lighting tables.
void RegisterFrameBenchmarks();
