#pragma once
// Interface pictures by name: a game reskins any screen by putting a picture
// of the screen's name, in any of three formats, into its "grafika" folder.
#include <filesystem>
#include <string_view>

namespace morvane {

// The file of the interface picture `name` (Windows-1250, without folder and
// extension): "grafika/<name>.png" below the game folder, else ".jpg", else
// ".gif", else "grafika/<name>" as it is, which LoadPicture then treats by its
// own extension (none: a format it doesn't know). Letter case of the file
// names doesn't matter. The folder is asked anew on every call, so a picture
// changed while the program runs is seen at the next showing of its screen.
std::filesystem::path FindSkinImage(const std::filesystem::path& gameFolder,
                                    std::string_view name);

}  // namespace morvane
