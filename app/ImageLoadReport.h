#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "RawImage.h"

// What went wrong while the images of one folder loaded, said on the
// console's error stream after the last one: a line for each file that could
// not be read (which file and why) or was short (by how many bytes), or a
// single line when the folder itself is missing.
class ImageLoadReport {
public:
    // folder: the folder the images are read from, "datas" or the installed one.
    explicit ImageLoadReport(const char* folder);

    // Notes the outcome of loading name, an image of size bytes.
    void Note(const char* name, std::uint32_t size, const RawImageLoad& load);

    // Writes the lines, each starting with "program: ", to errors; nothing
    // when every file was read whole.
    void Print(std::FILE* errors, const char* program) const;

private:
    std::string folder;
    std::vector<std::string> lines;
};
