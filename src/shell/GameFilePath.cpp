#include "shell/GameFilePath.h"

#include <string>
#include <system_error>

#include "base/Win1250.h"

namespace morvane {
namespace {

// The entry of `folder` whose name equals `part` (Windows-1250) when letter
// case is ignored; empty when there is none.
std::filesystem::path findIgnoringCase(const std::filesystem::path& folder,
                                       std::string_view part) {
    const std::string wanted = lowerCase(part);
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (lowerCase(fromUtf8(entry)) == wanted) return it->path();
    }
    return {};
}

}  // namespace

std::filesystem::path gameFilePath(const std::filesystem::path& folder, std::string_view name) {
    std::filesystem::path path = folder;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = name.size();
        const std::string_view part = name.substr(start, end - start);
        start = end + 1;
        if (part.empty()) continue;
        const std::filesystem::path written = path / toUtf8(part);
        std::error_code ec;
        if (part == "." || part == ".." || std::filesystem::exists(written, ec)) {
            path = written;
            continue;
        }
        const std::filesystem::path found = findIgnoringCase(path, part);
        path = found.empty() ? written : found;
    }
    return path;
}

}  // namespace morvane
