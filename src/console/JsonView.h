#pragma once
// The game as the terminal's JSON protocol shows it. Texts go out as UTF-8;
// colours as the decimal value of 0x00BBGGRR.
#include <nlohmann/json.hpp>

namespace morvane {

struct Game;

// The "game" object: location, page, menu, info lines, buttons, countdown,
// the hero, variables, possessions, switches, the fight's values and audio.
nlohmann::ordered_json GameJson(const Game& game);

// The texts of the open screens, keyed by their controls' names.
nlohmann::ordered_json FightJson(const Game& game);
nlohmann::ordered_json SheetJson(const Game& game);

}  // namespace morvane
