#pragma once
// Games played through the engine with random choices: menu items, page
// links, countdowns, fights, the shop, the sell screen, items, training,
// saving (and loading the saved position back). Every command is the one
// morvane-text takes, so each problem met comes with a route that
// morvane-text replays with the same seed.
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "parser/GameInitRecord.h"

namespace morvane::check {

struct RandomSettings {
    std::int32_t plays = 100;
    std::uint64_t seed = 1;  // play k uses seed + k
    unsigned threads = 2;
    std::int32_t maxSteps = 300;  // moves of one play before it is given up
};

// A place in the story as play knows it: the library the story is
// redirected to ("" for the game's own) and the location.
using StoryPlace = std::pair<std::string, std::int32_t>;

enum class EndKind { Konec, Smrt, SlepaUlicka, Limit };

struct PlayProblem {
    std::string message;  // Windows-1250, as the player would see it
    StoryPlace misto;
    std::uint64_t seed = 0;
    std::vector<std::string> route;  // morvane-text commands, one a line
    std::int32_t times = 0;
};

struct RandomReport {
    std::int32_t plays = 0;
    std::map<StoryPlace, std::int32_t> visits;
    // Moves made by a menu item: (story, from, to).
    std::set<std::tuple<std::string, std::int32_t, std::int32_t>> menuMoves;
    std::map<std::pair<EndKind, StoryPlace>, std::int32_t> endings;
    std::vector<PlayProblem> problems;  // each message and place once, first route kept

    void merge(const RandomReport& other);
};

// Plays `settings.plays` games of the game in `folder` on as many threads,
// each on its own copy of the folder (saves and unscrambled files go there).
RandomReport PlayAtRandom(const std::filesystem::path& folder, const TGameInit& definice,
                          const RandomSettings& settings);

// One play, as PlayAtRandom runs it: for tests and for replaying a route.
RandomReport PlayOnce(const std::filesystem::path& folder, const TGameInit& definice,
                      std::uint64_t seed, std::int32_t maxSteps);

}  // namespace morvane::check
