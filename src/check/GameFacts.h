#pragma once
// What the checks of a game's commands need to know about the rest of it.
#include <cstdint>
#include <filesystem>
#include <set>

namespace morvane::check {

struct GameFacts {
    std::filesystem::path folder;
    // Entries the engine reads into each table (a table whose file has a
    // malformed line is left empty at play, so it counts 0 here too).
    std::int32_t zbrane = 0, zbroje = 0, predmety = 0, kouzla = 0, utoky = 0;
    bool shopFile = false;
    std::set<std::int32_t> shops;  // the numbers of the shop file's lines
};

}  // namespace morvane::check
