#pragma once

#include <cstddef>
#include <string>

// The most tries at a temporary name: each try adds its number, 0 to 99.
constexpr int kTemporaryNameTries = 100;

// The start of the temporary names of the file finalPath, to which each try
// adds its number: finalPath's folder, its name, then ".part-PROCESS-". When
// the whole name, with the longest number, would pass nameLimit bytes, the
// final name is shortened (never in the middle of a UTF-8 character), so that
// every name the file system takes can be written; the process number keeps
// two runs apart. Kept in the folder of finalPath, so that the rename into
// place is one step.
std::string TemporaryStem(const std::string& finalPath, unsigned long process, std::size_t nameLimit);
