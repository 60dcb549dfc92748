#pragma once
// The check of one command: its name, its attributes and what their values
// name, against the command's rule and the rest of the game.
#include <optional>
#include <string>
#include <vector>

#include "check/Findings.h"
#include "check/GameFacts.h"
#include "check/StoryGraph.h"
#include "parser/Command.h"

namespace morvane::check {

struct TagSite {
    const GameFacts& facts;
    Findings& findings;
    Place place;
    std::string kde;  // what the message starts with: "Lokace 5: "
};

// What the commands of one location mean for the story's graph.
struct TagEffects {
    std::vector<Link> links;
    bool konec = false, smrt = false, zpet = false;
    int menuItems = 0;  // MENU, M and ZPET tags, guarded or not
    std::vector<std::string> prefixes, suffixes;
    std::optional<std::string> redirect;  // "" for back to the game's own story
};

void CheckTag(const tagg& tag, const TagSite& site, TagEffects& effects);

}  // namespace morvane::check
