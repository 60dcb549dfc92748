#pragma once
// The small window that offers the installed games when the window program
// is started without a game folder and more than one game is installed.
#include <filesystem>
#include <optional>
#include <vector>

namespace morvane {

// Shows each game by its own title and its folder's name (the folder's name
// alone when its definition can't be read), the demo chosen first; answers
// the folder picked, nothing when the player closes the window. Needs a
// QApplication.
std::optional<std::filesystem::path> ChooseGame(const std::vector<std::filesystem::path>& games);

}  // namespace morvane
