#pragma once
// The game as the terminal's JSON protocol shows it. Texts go out as UTF-8;
// colours as the decimal value of 0x00BBGGRR.
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace morvane {

struct Game;

// One state line, without its line end: the screen, the messages and sounds
// since the last line, the "game" object when `game` is given (location,
// page, menu, info lines, buttons, countdown, the hero, variables,
// possessions, switches, the fight's values and audio) and the screen's own
// texts under the screen's name unless they are null.
std::string StateLine(std::string_view screen, const std::vector<std::string>& messages,
                      const std::vector<std::string>& sounds, const Game* game,
                      const nlohmann::ordered_json& screenTexts);

// The texts of the open screens, keyed by their controls' names.
nlohmann::ordered_json FightJson(const Game& game);
nlohmann::ordered_json SheetJson(const Game& game);

}  // namespace morvane
