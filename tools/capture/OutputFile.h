#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// A file written under a temporary name of its own (PATH.part-PROCESS-N,
// the name shortened where it would pass the file system's limit, created
// new, beside the file it becomes), put on the disk and renamed into
// place only when complete, so that a failed or interrupted capture never
// leaves a file that looks finished, nor its temporary file, and two captures
// to one path never share one. A replaced file keeps its permission bits.
// The path "-" is standard output, and a device or a pipe is written directly.
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
    bool OpenStream(const std::string& path);
    void Abandon();
    void ReleaseTemporaryName();
    bool Fail(const std::string& what);

    std::FILE* file = nullptr;
    std::string path;
    std::string finalPath;     // path, or the file a link at path names
    std::string temporaryPath; // empty when there is none to remove
    bool toStandardOutput = false;
    bool direct = false;
};
