#pragma once
// The whole check of a game folder.
#include <filesystem>
#include <optional>

#include "check/Findings.h"
#include "check/GameFacts.h"
#include "check/StoryGraph.h"
#include "parser/GameInitRecord.h"

namespace morvane::check {

struct CheckReport {
    Findings findings;
    StoryGraph graph;
    GameFacts facts;
    std::optional<TGameInit> definice;
};

// Reads the game in `folder` as the engine does and reports every problem.
CheckReport CheckGame(const std::filesystem::path& folder);

}  // namespace morvane::check
