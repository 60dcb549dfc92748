#pragma once
// Finding a file that a game names. Games are written where file names are
// Windows-1250, "\" separates folders and letter case does not matter; here
// names are UTF-8, "/" separates and case matters.
#include <filesystem>
#include <string_view>

namespace morvane {

// The path of the file that `name` (Windows-1250, "\" or "/" between folders)
// names below `folder`. A part of the name that doesn't exist as written is
// matched against the folder's entries without regard to letter case; when
// nothing matches the path is returned as written, and opening it fails.
std::filesystem::path gameFilePath(const std::filesystem::path& folder, std::string_view name);

}  // namespace morvane
