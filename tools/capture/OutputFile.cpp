#include "OutputFile.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

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
    temporaryPath = path + ".part";
    file = std::fopen(temporaryPath.c_str(), "wb");
    if (!file)
        return Fail("cannot write '" + path + "'");
    return true;
}

bool OutputFile::Write(const std::vector<std::uint8_t>& bytes)
{
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
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
        std::remove(temporaryPath.c_str());
        return Fail("cannot write '" + path + "'");
    }
    // rename does not replace an existing file everywhere; make room first.
    std::remove(path.c_str());
    if (std::rename(temporaryPath.c_str(), path.c_str()) != 0) {
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
    std::remove(temporaryPath.c_str());
}

bool OutputFile::Fail(const std::string& what)
{
    error = what + (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string());
    Abandon();
    return false;
}
