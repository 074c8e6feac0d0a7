#include "ImageFolder.h"

#include <sys/stat.h>

const char kInstalledImages[] = DEMO_INSTALLED_IMAGES;

namespace {

const char kCurrentImages[] = "datas";

bool IsDirectory(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

// The program's folder joined with kInstalledImages, each leading "../"
// taken off the folder; empty when the folder has no parent left to take.
std::string InstalledImages(std::string folder)
{
    std::string relative = kInstalledImages;
    while (relative.compare(0, 3, "../") == 0) {
        const std::size_t slash = folder.find_last_of('/');
        if (slash == std::string::npos)
            return {};
        folder.erase(slash);
        relative.erase(0, 3);
    }
    return folder + "/" + relative;
}

} // namespace

std::string ChooseImageFolder(const std::string& programFolder)
{
    if (IsDirectory(kCurrentImages) || programFolder.empty())
        return kCurrentImages;
    const std::string installed = InstalledImages(programFolder);
    return !installed.empty() && IsDirectory(installed) ? installed : kCurrentImages;
}

std::string ImageFolder()
{
    return ChooseImageFolder(ProgramFolder());
}
