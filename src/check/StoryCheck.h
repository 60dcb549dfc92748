#pragma once
// The story: read, expanded and cut into locations by the engine's own
// functions, every location scanned with the engine's scanner, and every
// problem told at the line of the file it comes from.
#include "check/Findings.h"
#include "check/GameFacts.h"
#include "check/StoryGraph.h"
#include "parser/GameFiles.h"

namespace morvane::check {

// Checks the game's story (and the libraries it is redirected to or
// surrounded with) and fills `graph` with its locations and links.
void CheckStory(const GameFiles& files, const GameFacts& facts, Findings& findings,
                StoryGraph& graph);

}  // namespace morvane::check
