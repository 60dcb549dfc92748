#pragma once
// The locations of a game and the ways between them, as the check found
// them: what reachability, dead ends and the story map are made of.
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "check/Findings.h"

namespace morvane::check {

enum class LinkKind { Menu, Text, Picture, Countdown, Save };

struct Link {
    std::int32_t cil = 0;
    Place place;
    LinkKind kind = LinkKind::Menu;
    bool broken = false;  // no location of that number
};

struct LocationNode {
    std::int32_t cislo = 0;
    std::size_t unit = 0;  // the story it stands in
    Place place;           // its marker
    std::vector<Link> links;
    bool konec = false;    // "KONEC": an ending
    bool smrt = false;     // takes hit points: with no way on, a death
    bool zpet = false;     // a menu item back
    bool bezprefixu = false, bezsuffixu = false;
    // The story its links lead into ("PRESMERUJ"); nothing: its own.
    std::optional<std::size_t> presmerovani;
    bool reachable = false;
    bool deadEnd = false;
};

// One story: the game's own (library "") or a library that a redirect makes
// the story.
struct StoryUnit {
    std::string library;
    std::map<std::int32_t, std::size_t> locations;  // number to node
};

struct StoryGraph {
    std::vector<StoryUnit> units;
    std::vector<LocationNode> nodes;
    // Links of the prefix and suffix libraries: they belong to every
    // location that doesn't switch them off.
    std::vector<Link> prefixLinks, suffixLinks;

    const LocationNode* find(std::size_t unit, std::int32_t cislo) const;
    std::size_t unitOf(const std::string& library);
};

}  // namespace morvane::check
