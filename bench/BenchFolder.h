#pragma once
// A folder under the system's temporary folder for one benchmark's game,
// removed with everything in it afterwards.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace morvane {

struct BenchFolder {
    BenchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "morvane-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data())) path = pattern;
    }
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    // Writes bytes to a file below the folder, creating its folders.
    void write(const std::string& relative, const std::string& bytes) const {
        const std::filesystem::path file = path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }

    std::filesystem::path path;
};

}  // namespace morvane
