#include "OutputFile.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// Whether path names a device that Windows provides in every folder (NUL,
// CON, COM1, ...); the file system reports no such file there.
bool IsWindowsDeviceName(const std::string& path)
{
#ifdef _WIN32
    std::string stem = std::filesystem::path(path).stem().string();
    for (char& c : stem)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (stem == "NUL" || stem == "CON" || stem == "PRN" || stem == "AUX")
        return true;
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
           stem[3] >= '1' && stem[3] <= '9';
#else
    (void)path;
    return false;
#endif
}

} // namespace

OutputFile::~OutputFile()
{
    Abandon();
}

bool OutputFile::Open(const std::string& newPath)
{
    errno = 0;
    path = newPath;
    if (path == "-") {
        toStandardOutput = true;
        file = stdout;
#ifdef _WIN32
        _setmode(_fileno(stdout), _O_BINARY);
#endif
        return true;
    }
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    const bool exists = std::filesystem::exists(status);
    // A device or a pipe (/dev/null, a FIFO) is written as it is: replacing it
    // with a file would destroy it. A regular file, or none yet, is written
    // beside itself and renamed into place when complete; through a link, the
    // file the link names is replaced.
    direct = (exists && !std::filesystem::is_regular_file(status)) || IsWindowsDeviceName(path);
    if (!direct) {
        finalPath = path;
        if (exists) {
            const std::filesystem::path target = std::filesystem::canonical(path, error);
            if (!error)
                finalPath = target.string();
        }
        temporaryPath = finalPath + ".part";
    }
    file = std::fopen((direct ? path : temporaryPath).c_str(), "wb");
    if (!file)
        return Fail("cannot write '" + path + "'");
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
        return Fail("cannot write '" + path + "'");
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
    std::FILE* closing = file;
    file = nullptr;
    if (std::fclose(closing) != 0) {
        if (!direct)
            std::remove(temporaryPath.c_str());
        return Fail("cannot write '" + path + "'");
    }
    if (direct)
        return true;
    // rename does not replace an existing file everywhere; make room first.
    std::remove(finalPath.c_str());
    if (std::rename(temporaryPath.c_str(), finalPath.c_str()) != 0) {
        std::remove(temporaryPath.c_str());
        return Fail("cannot write '" + path + "'");
    }
    return true;
}

void OutputFile::Abandon()
{
    if (!file || toStandardOutput)
        return;
    std::fclose(file);
    file = nullptr;
    if (!direct)
        std::remove(temporaryPath.c_str());
}

bool OutputFile::Fail(const std::string& what)
{
    error = what + (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string());
    Abandon();
    return false;
}
