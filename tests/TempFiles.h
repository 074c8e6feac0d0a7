#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

// A fresh directory for one test, removed with its contents afterwards.
class TempDirectory {
public:
    TempDirectory()
    {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        path = std::filesystem::path(testing::TempDir()) /
               (std::string("demo_") + test->test_suite_name() + "_" + test->name());
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~TempDirectory() { std::filesystem::remove_all(path); }

    // Writes bytes to name under the directory and returns the file's path.
    std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        const std::filesystem::path file = path / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }

    std::filesystem::path path;
};
