#include "shell/GameFilePath.h"

#include <string>
#include <system_error>

#include "base/Files.h"
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

// Whether the name, read as written, starts at the root or a drive or climbs
// up a folder somewhere.
bool climbsOut(std::string_view name) {
    if (!name.empty() && (name[0] == '/' || name[0] == '\\')) return true;
    if (name.size() >= 2 && name[1] == ':') return true;
    for (std::size_t start = 0; start <= name.size();) {
        std::size_t end = name.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = name.size();
        if (name.substr(start, end - start) == "..") return true;
        start = end + 1;
    }
    return name.find('\0') != std::string_view::npos;
}

// gameFilePath without the check.
std::filesystem::path resolve(const std::filesystem::path& folder, std::string_view name) {
    std::filesystem::path path = folder;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = name.size();
        const std::string_view part = name.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        const std::filesystem::path written = path / toUtf8(part);
        std::error_code ec;
        if (std::filesystem::exists(written, ec)) {
            path = written;
            continue;
        }
        const std::filesystem::path found = findIgnoringCase(path, part);
        path = found.empty() ? written : found;
    }
    return path;
}

}  // namespace

std::optional<std::filesystem::path> fileInside(const std::filesystem::path& folder,
                                                std::string_view name) {
    if (climbsOut(name)) return std::nullopt;
    std::filesystem::path path = resolve(folder, name);
    if (!staysInside(folder, path)) return std::nullopt;
    return path;
}

std::filesystem::path gameFilePath(const std::filesystem::path& folder, std::string_view name) {
    return fileInside(folder, name).value_or(std::filesystem::path());
}

std::string outsideFolderMessage(std::string_view name) {
    return cz("Soubor \"") + std::string(name) + cz("\" leží mimo složku hry, nebude otevřen.");
}

}  // namespace morvane
