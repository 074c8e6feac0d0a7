#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// A file written under a temporary name and renamed into place only when
// complete, so that a failed or interrupted capture never leaves a file that
// looks finished. The path "-" is standard output, and a device or a pipe is
// written directly.
class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();

    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Each returns false on failure with a one-line reason in error; a failed
    // file is removed.
    bool Open(const std::string& path);
    bool Write(const std::vector<std::uint8_t>& bytes);
    bool Write(const std::uint8_t* bytes, std::size_t size);
    bool Commit();

    std::string error;

private:
    void Abandon();
    bool Fail(const std::string& what);

    std::FILE* file = nullptr;
    std::string path;
    std::string finalPath;     // path, or the file a link at path names
    std::string temporaryPath;
    bool toStandardOutput = false;
    bool direct = false;
};
