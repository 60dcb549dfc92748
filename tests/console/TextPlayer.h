#pragma once
// Plays a game folder through the real morvane-text program: the commands go
// in on standard input, every printed JSON line comes back parsed.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "support/TempFolder.h"

namespace morvane::test {

struct Played {
    int status = -1;
    std::vector<nlohmann::json> lines;
    const nlohmann::json& last() const { return lines.back(); }
    // The last line before the game ended.
    const nlohmann::json& final() const { return lines.at(lines.size() - 2); }
};

inline Played PlayText(const TempFolder& game, const std::vector<std::string>& commands,
                       const std::string& options = "--seed 1") {
    std::string input;
    for (const auto& c : commands) input += c + "\n";
    game.write("input.txt", input);
    // Audio plays to SDL's silent driver, so tests hear every sound command
    // without a sound card; what the program says on standard error stays apart.
    const std::string command = "SDL_AUDIODRIVER=dummy " + std::string(MORVANE_TEXT_BINARY) +
                                " --json " + options + " '" + game.path().string() + "' < '" +
                                (game.path() / "input.txt").string() + "' 2>'" +
                                (game.path() / "stderr.txt").string() + "'";
    Played played;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return played;
    std::string output;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    played.status = WEXITSTATUS(::pclose(pipe));
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        auto parsed = nlohmann::json::parse(line, nullptr, false);
        if (parsed.is_discarded()) parsed = {{"raw", line}};
        played.lines.push_back(parsed);
    }
    return played;
}

}  // namespace morvane::test
