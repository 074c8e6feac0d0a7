// make-datas [DIR]: writes the demo's data images into DIR (default "datas").

#include "DataImages.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

int main(int argc, char** argv)
{
    if (argc > 2) {
        std::fprintf(stderr, "usage: make-datas [DIR]\n");
        return 1;
    }
    const std::filesystem::path dir = argc == 2 ? argv[1] : "datas";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        std::fprintf(stderr, "make-datas: cannot create %s: %s\n", dir.string().c_str(), error.message().c_str());
        return 1;
    }
    for (const DataImage& image : GenerateDataImages()) {
        const std::filesystem::path path = dir / image.fileName;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.rgb.data()), static_cast<std::streamsize>(image.rgb.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "make-datas: cannot write %s\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}
