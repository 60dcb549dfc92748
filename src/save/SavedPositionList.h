#pragma once
// The load dialog: the saved positions of the game, newest first, and
// the choice of one of them.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "save/SaveGlobals.h"

namespace morvane {

struct Game;

// The dialog shows at most this many positions of the list.
inline constexpr std::size_t kShownPositions = 20;
// At most this many files are taken into the list.
inline constexpr std::size_t kListedPositions = 100;

// The dialog's heading.
std::string LoadDialogHeading();
// What an empty dialog says instead of entries: that there are none and how
// it closes; its lines are parted by a carriage return.
std::string LoadDialogEmpty();

// Lists the files "save/*.mkp" of the player's folder (and of a read-only
// game folder) into game.ulozeni.pozice: at most 100 of them, taken in name
// order, then sorted newest first. Answers the captions of the
// entries the dialog shows (the first 20): the name, a blank and the file's
// last write as "[D.M.YYYY H:MM:SS]" in local time. Caption k belongs to
// entry k of the list.
std::vector<std::string> ListSavedPositions(Game& game);

std::string SavedPositionCaption(const TSav& entry);

// The file of entry k (from 1) of the shown list; nothing for k outside the
// shown entries.
std::optional<std::filesystem::path> ShownPosition(const Game& game, std::int32_t k);

}  // namespace morvane
