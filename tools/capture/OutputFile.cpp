#include "OutputFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "OutOfMemory.h"
#include "OutputSystem.h"
#include "QuotedText.h"
#include "TemporaryName.h"

OutputFile::~OutputFile()
{
    Abandon();
}

bool OutputFile::Open(const std::string& newPath)
{
    if (!OpenStream(newPath))
        return false;
    // Every write is a whole frame: straight to the system in one call,
    // where a buffer would split each frame in two.
    std::setvbuf(file, nullptr, _IONBF, 0);
    return true;
}

bool OutputFile::OpenStream(const std::string& newPath)
{
    const AllocatingFor names("the output file's names");
    errno = 0;
    path = newPath;
    if (path == "-") {
        toStandardOutput = true;
        file = stdout;
        SetBinaryStandardOutput();
        return true;
    }
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    const bool exists = std::filesystem::exists(status);
    // A device or a pipe (/dev/null, a FIFO) is written as it is: replacing it
    // with a file would destroy it.
    direct = (exists && !std::filesystem::is_regular_file(status)) || IsReservedDeviceName(path);
    if (direct) {
        file = std::fopen(path.c_str(), "wb");
        return file ? true : Fail("cannot write " + Quoted(path));
    }
    // A regular file, or none yet, is written under a temporary name of this
    // run's own in the same folder and renamed into place when complete;
    // through a link, the file the link names is replaced.
    finalPath = path;
    if (exists) {
        const std::filesystem::path target = std::filesystem::canonical(path, error);
        if (!error)
            finalPath = target.string();
    }
    const std::string folder = std::filesystem::path(finalPath).parent_path().string();
    const std::string stem = TemporaryStem(finalPath, ProcessNumber(), NameLimit(folder));
    for (int attempt = 0; attempt < kTemporaryNameTries && !file; ++attempt) {
        temporaryPath = stem + std::to_string(attempt);
        // Held for removal before it is created, so that running out of
        // memory for the held name leaves no file, and created with
        // interruptions waiting, so that none can end the run between the
        // two and leave the file behind, nor remove another's file of that name.
        HoldInterrupts();
        RemoveOnInterrupt(temporaryPath);
        errno = 0;
        file = CreateNewFile(temporaryPath);
        const int created = errno;
        if (!file)
            RemoveOnInterrupt("");
        ReleaseInterrupts();
        errno = created;
        if (!file && errno != EEXIST)
            break;
    }
    if (!file) {
        temporaryPath.clear();
        return Fail("cannot write " + Quoted(path));
    }
    if (exists && !GivePermissions(file, status.permissions()))
        return Fail("cannot give " + Quoted(path) + " its permissions back");
    return true;
}

bool OutputFile::Write(const std::vector<std::uint8_t>& bytes)
{
    return Write(bytes.data(), bytes.size());
}

bool OutputFile::Write(const std::uint8_t* bytes, std::size_t size)
{
    errno = 0;
    if (std::fwrite(bytes, 1, size, file) != size)
        return Fail("cannot write " + Quoted(path));
    return true;
}

bool OutputFile::Commit()
{
    errno = 0;
    if (toStandardOutput) {
        if (std::fflush(stdout) != 0 || std::ferror(stdout))
            return Fail("cannot write standard output");
        file = nullptr;
        return true;
    }
    if (direct) {
        std::FILE* closing = file;
        file = nullptr;
        return std::fclose(closing) == 0 ? true : Fail("cannot write " + Quoted(path));
    }
    // On the disk before it takes the final name: a crash then leaves either
    // the old file or the whole new one there.
    if (!FlushToDisk(file))
        return Fail("cannot write " + Quoted(path));
    std::FILE* closing = file;
    file = nullptr;
    if (std::fclose(closing) != 0)
        return Fail("cannot write " + Quoted(path));
    // Replaces an existing file in one step.
    std::error_code error;
    std::filesystem::rename(temporaryPath, finalPath, error);
    if (error) {
        errno = error.value();
        return Fail("cannot write " + Quoted(path));
    }
    ReleaseTemporaryName();
    return true;
}

void OutputFile::Abandon()
{
    if (file && !toStandardOutput)
        std::fclose(file);
    file = nullptr;
    if (!temporaryPath.empty()) {
        std::remove(temporaryPath.c_str());
        ReleaseTemporaryName();
    }
}

void OutputFile::ReleaseTemporaryName()
{
    HoldInterrupts();
    RemoveOnInterrupt("");
    ReleaseInterrupts();
    temporaryPath.clear();
}

bool OutputFile::Fail(const std::string& what)
{
    error = what + (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string());
    Abandon();
    return false;
}
