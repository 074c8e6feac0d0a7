#include "ImageLoadReport.h"

#include <filesystem>
#include <system_error>

#include "UnreadableFile.h"

ImageLoadReport::ImageLoadReport(const char* folder) : folder(folder) {}

void ImageLoadReport::Note(const char* name, std::uint32_t size, const RawImageLoad& load)
{
    if (load.opened != 0)
        lines.push_back(std::string("cannot read ") + name + ": " + WhyUnreadable(name, load.openError) +
                        "; it is drawn black");
    else if (load.missingBytes != 0)
        lines.push_back(std::string(name) + " is short by " + std::to_string(load.missingBytes) + " of its " +
                        std::to_string(size) + " bytes; they read as 0xFF");
}

void ImageLoadReport::Print(std::FILE* errors, const char* program) const
{
    if (lines.empty())
        return;
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        // Every file is missing then; one line says where they were looked for.
        const std::filesystem::path here = std::filesystem::current_path(error);
        std::fprintf(errors,
                     "%s: no %s/ folder in %s: the images are read from %s/ under the current directory; "
                     "all are drawn black\n",
                     program, folder.c_str(), error ? "the current directory" : here.string().c_str(),
                     folder.c_str());
        return;
    }
    for (const std::string& line : lines)
        std::fprintf(errors, "%s: %s\n", program, line.c_str());
}
