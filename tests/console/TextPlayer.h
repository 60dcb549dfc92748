#pragma once
// Plays a game folder through the real morvane-text program: the commands go
// in on standard input, every printed JSON line comes back parsed.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/TempFolder.h"

namespace morvane::test {

// Runs a shell command and gives what it printed on standard output, and in
// `status` its exit status (-1 when it did not exit by itself).
inline std::string Capture(const std::string& command, int& status) {
    status = -1;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return {};
    std::string output;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    const int ended = ::pclose(pipe);
    status = WIFEXITED(ended) ? WEXITSTATUS(ended) : -1;
    return output;
}

// Runs a shell command with its output thrown away and gives its exit
// status; -1 when it did not exit by itself, so a crash never passes for 0.
inline int Shell(const std::string& command) {
    const int status = std::system((command + " > /dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The value at `pointer` ("/game/page/0/text") in a printed line. A line
// without it fails the test, naming what is missing, and gives null, so the
// check that reads it fails as well instead of the test crashing.
inline nlohmann::json Field(const nlohmann::json& line, const std::string& pointer) {
    const nlohmann::json::json_pointer path(pointer);
    if (line.contains(path)) return line.at(path);
    ADD_FAILURE() << "no " << pointer << " in " << line.dump();
    return nullptr;
}

struct Played {
    int status = -1;
    std::vector<nlohmann::json> lines;

    // Line `i`; past the last line the test fails and gets an empty line.
    const nlohmann::json& line(std::size_t i) const {
        static const nlohmann::json kNone = nlohmann::json::object();
        if (i < lines.size()) return lines[i];
        ADD_FAILURE() << "line " << i << " was not printed; " << lines.size() << " were";
        return kNone;
    }
    // The value at `pointer` in line `i`; null, and the test failed, when
    // either is missing.
    nlohmann::json at(std::size_t i, const std::string& pointer) const {
        if (i < lines.size()) return Field(lines[i], pointer);
        ADD_FAILURE() << "line " << i << " (for " << pointer << ") was not printed; "
                      << lines.size() << " were";
        return nullptr;
    }
    nlohmann::json last(const std::string& pointer) const {
        return lines.empty() ? at(0, pointer) : at(lines.size() - 1, pointer);
    }
    // The last line before the game ended.
    const nlohmann::json& final() const { return line(lines.size() < 2 ? lines.size() : lines.size() - 2); }
};

// Runs morvane-text --json on the commands; its standard output as printed.
inline std::string RunText(const TempFolder& game, const std::vector<std::string>& commands,
                           const std::string& options, int& status) {
    std::string input;
    for (const auto& c : commands) input += c + "\n";
    game.write("input.txt", input);
    // Audio plays to SDL's silent driver, so tests hear every sound command
    // without a sound card; what the program says on standard error stays apart.
    const std::string command = "SDL_AUDIODRIVER=dummy " + std::string(MORVANE_TEXT_BINARY) +
                                " --json " + options + " '" + game.path().string() + "' < '" +
                                (game.path() / "input.txt").string() + "' 2>'" +
                                (game.path() / "stderr.txt").string() + "'";
    return Capture(command, status);
}

inline Played PlayText(const TempFolder& game, const std::vector<std::string>& commands,
                       const std::string& options = "--seed 1") {
    Played played;
    std::istringstream lines(RunText(game, commands, options, played.status));
    for (std::string line; std::getline(lines, line);) {
        auto parsed = nlohmann::json::parse(line, nullptr, false);
        if (parsed.is_discarded()) parsed = {{"raw", line}};
        played.lines.push_back(parsed);
    }
    return played;
}

}  // namespace morvane::test
