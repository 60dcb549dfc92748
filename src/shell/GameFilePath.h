#pragma once
// Finding a file that a game names. Games are written where file names are
// Windows-1250, "\" separates folders and letter case does not matter; here
// names are UTF-8, "/" separates and case matters. A game or a saved position
// comes from a stranger: a name it gives never leads out of its folder.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// The path of the file that `name` (Windows-1250, "\" or "/" between folders)
// names below `folder`. A part of the name that doesn't exist as written is
// matched against the folder's entries without regard to letter case; when
// nothing matches the path is returned as written, and opening it fails.
// A name that leads outside `folder` (see fileInside) gives an empty path,
// which opens nothing.
std::filesystem::path gameFilePath(const std::filesystem::path& folder, std::string_view name);

// The path of `name` below `folder` as gameFilePath finds it, or nothing when
// the name leads outside the folder: an absolute name, a drive letter, a ".."
// part, or a link on the way that points out of it.
std::optional<std::filesystem::path> fileInside(const std::filesystem::path& folder,
                                                std::string_view name);

// The message that refuses such a name (Windows-1250).
std::string outsideFolderMessage(std::string_view name);

}  // namespace morvane
