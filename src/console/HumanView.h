#pragma once
// The terminal's text for a person: what the player would see, in UTF-8.
#include <iosfwd>
#include <string>
#include <vector>

#include "nlohmann/json.hpp"

namespace morvane {

struct Game;

struct HumanView {
    std::ostream& out;
    const Game& game;
    bool started;

    void show(const std::string& screen, const nlohmann::ordered_json& texts,
              const std::vector<std::string>& messages, const std::vector<std::string>& sounds);

private:
    void mainScreen();
    void screenTexts(const nlohmann::ordered_json& texts);
};

}  // namespace morvane
