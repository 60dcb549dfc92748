#include "check/StoryGraph.h"

namespace morvane::check {

const LocationNode* StoryGraph::find(std::size_t unit, std::int32_t cislo) const {
    if (unit >= units.size()) return nullptr;
    const auto it = units[unit].locations.find(cislo);
    return it == units[unit].locations.end() ? nullptr : &nodes[it->second];
}

std::size_t StoryGraph::unitOf(const std::string& library) {
    for (std::size_t u = 0; u < units.size(); ++u)
        if (units[u].library == library) return u;
    units.push_back({library, {}});
    return units.size() - 1;
}

}  // namespace morvane::check
