#pragma once
// A fresh folder under the system's temporary folder, removed with everything
// in it when the test ends. Tests build small game folders in it.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace morvane::test {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "morvane-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        root_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return root_; }

    // Writes bytes to a file below the folder, creating its folders.
    void write(const std::string& relative, std::string_view bytes) const {
        const auto file = root_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    bool exists(const std::string& relative) const {
        return std::filesystem::exists(root_ / relative);
    }

private:
    std::filesystem::path root_;
};

// The whole file as bytes; empty when it can't be read.
inline std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A copy of a whole folder (a bundled game), so that playing it may write.
struct FolderCopy : TempFolder {
    explicit FolderCopy(const std::filesystem::path& from) {
        std::filesystem::copy(from, path(), std::filesystem::copy_options::recursive);
    }
};

}  // namespace morvane::test
