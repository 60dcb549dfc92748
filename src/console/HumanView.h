#pragma once
// The terminal's text for a person: every screen with the captions the
// window shows, its lines numbered the way the player chooses them, in UTF-8.
#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "nlohmann/json.hpp"

namespace morvane {

struct Game;

struct HumanView {
    std::ostream& out;
    const Game& game;

    // A whole screen. `texts` carries what only the terminal holds (the name
    // and save fields, the load list, the picture, the sheet's hint); the main
    // screen's page starts at element `pageFrom` (those before it were shown
    // while the move ran).
    void show(const std::string& screen, const nlohmann::ordered_json& texts,
              std::size_t pageFrom);
    // The page elements from `from` on, nothing else.
    void page(std::size_t from);
    // Messages of the game, then the player's own notes (refusals, confirmations).
    void messages(const std::vector<std::string>& messages, const std::vector<std::string>& sounds,
                  const std::vector<std::string>& notes);
    void prompt();
    // The fight as it stands, without what may be typed: its last round.
    void fightRound() { fightScreen(); }

    // The info lines printed so far, oldest first: a main screen adds only
    // the lines that came since. Null: all of them.
    std::vector<std::string>* infoShown = nullptr;

private:
    void mainScreen(std::size_t pageFrom);
    void menuScreen();
    void aboutScreen();
    void nameScreen(const nlohmann::ordered_json& texts);
    void loadScreen(const nlohmann::ordered_json& texts);
    void sheetScreen(const nlohmann::ordered_json& texts);
    void inventoryScreen();
    void shopScreen();
    void sellScreen();
    void fightScreen();
    void saveScreen(const nlohmann::ordered_json& texts);
    void pictureScreen(const nlohmann::ordered_json& texts);
    void audioScreen();
    void deathScreen();
    void infoLines();
    void heading(std::string_view win1250);
    void hint(std::string_view win1250, const char* indent = "  ");
};

}  // namespace morvane
