#pragma once
// Which locations a player can get to from location 1, which links lead
// nowhere, and which locations leave the player with no way on.
#include "check/Findings.h"
#include "check/StoryGraph.h"

namespace morvane::check {

// Marks broken links, reachable locations and dead ends in `graph`, and
// tells each.
void CheckReach(StoryGraph& graph, Findings& findings);

}  // namespace morvane::check
