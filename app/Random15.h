#pragma once

#include <cstdint>

// The fountain's linear congruential generator. Its state is 1 when the
// program starts and the demo never reseeds it; the fountain's look depends
// on this exact sequence (41, 18467, 6334, 26500, ...).
extern std::uint32_t random15State;

// Advances the state and returns its bits 16 to 30, 0 to 32767.
std::uint32_t Random15();
