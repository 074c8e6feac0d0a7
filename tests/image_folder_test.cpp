#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ImageFolder.h"
#include "TempFiles.h"

namespace {

// The current directory set to a folder for the life of the object.
class InFolder {
public:
    explicit InFolder(const std::filesystem::path& path) : previous(std::filesystem::current_path())
    {
        std::filesystem::current_path(path);
    }
    ~InFolder() { std::filesystem::current_path(previous); }

private:
    std::filesystem::path previous;
};

std::string Slashed(const std::filesystem::path& path)
{
    return path.generic_string();
}

} // namespace

// An installed program: prefix/bin (Windows: the zip's folder) with its
// images at kInstalledImages from there.
TEST(ImageFolder, CurrentDirectoryFirstThenTheInstalledImages)
{
    TempDirectory dir;
    const std::filesystem::path program = dir.path / "prefix" / "bin";
    const std::filesystem::path installed = (program / kInstalledImages).lexically_normal();
    std::filesystem::create_directories(program);
    std::filesystem::create_directories(installed);
    std::filesystem::create_directories(dir.path / "empty");
    std::filesystem::create_directories(dir.path / "here" / "datas");

    {
        InFolder inside(dir.path / "empty");
        const std::string chosen = ChooseImageFolder(Slashed(program));
        EXPECT_EQ(chosen, Slashed(installed)) << "no datas/ here: the installed images, no \"..\" left";
        EXPECT_EQ(ChooseImageFolder(""), "datas") << "the program's folder unknown";
        EXPECT_EQ(ChooseImageFolder(Slashed(dir.path / "empty")), "datas") << "a folder with no images installed";
    }
    {
        InFolder inside(dir.path / "here");
        EXPECT_EQ(ChooseImageFolder(Slashed(program)), "datas") << "datas/ under the current directory wins";
    }
    {
        // A file named datas is no folder of images.
        dir.Write("file/datas", {1});
        InFolder inside(dir.path / "file");
        EXPECT_EQ(ChooseImageFolder(Slashed(program)), Slashed(installed));
    }
}

TEST(ImageFolder, ProgramFolderHoldsTheRunningProgram)
{
    const std::string folder = ProgramFolder();
#ifdef _WIN32
    const char* name = "demo_program_test.exe";
#else
    const char* name = "demo_program_test";
#endif
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.find('\\'), std::string::npos);
    EXPECT_TRUE(std::filesystem::path(folder).is_absolute()) << folder;
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(folder) / name)) << folder;
    // From the build folder there are no installed images: datas/ as ever.
    TempDirectory dir;
    InFolder inside(dir.path);
    EXPECT_EQ(ImageFolder(), "datas");
}
