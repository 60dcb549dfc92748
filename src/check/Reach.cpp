#include "check/Reach.h"

#include <vector>

#include "base/Numbers.h"
#include "base/Win1250.h"

namespace morvane::check {
namespace {

const char* linkWord(LinkKind kind) {
    switch (kind) {
        case LinkKind::Menu: return "menu";
        case LinkKind::Text: return "odkaz v textu";
        case LinkKind::Picture: return "odkaz obrázku";
        case LinkKind::Countdown: return "časovač";
        case LinkKind::Save: return "uložená pozice";
    }
    return "";
}

// The story a location's links lead into.
std::size_t targetUnit(const LocationNode& node) { return node.presmerovani.value_or(node.unit); }

// Every link of a location, the prefix's and suffix's included.
template <class Visit>
void eachLink(const StoryGraph& graph, const LocationNode& node, Visit visit) {
    for (const Link& link : node.links) visit(link);
    if (!node.bezprefixu)
        for (const Link& link : graph.prefixLinks) visit(link);
    if (!node.bezsuffixu)
        for (const Link& link : graph.suffixLinks) visit(link);
}

void markBroken(StoryGraph& graph, Findings& findings) {
    for (LocationNode& node : graph.nodes) {
        const std::size_t unit = targetUnit(node);
        for (Link& link : node.links) {
            if (graph.find(unit, link.cil)) continue;
            link.broken = true;
            std::string where = graph.units[unit].library.empty()
                                    ? std::string()
                                    : cz(" v knihovně ") + graph.units[unit].library;
            findings.error(link.place, "Lokace " + toText(node.cislo) + ": " + cz(linkWord(link.kind)) +
                                           cz(" vede do lokace ") + toText(link.cil) +
                                           cz(", která neexistuje") + where);
        }
    }
    for (std::vector<Link>* links : {&graph.prefixLinks, &graph.suffixLinks}) {
        for (Link& link : *links) {
            if (graph.find(0, link.cil)) continue;
            link.broken = true;
            findings.error(link.place, cz(linkWord(link.kind)) + cz(" vede do lokace ") +
                                           toText(link.cil) + cz(", která neexistuje"));
        }
    }
}

void markReachable(StoryGraph& graph) {
    std::vector<std::size_t> pending;
    const auto visit = [&](std::size_t unit, std::int32_t cislo) {
        const auto it = graph.units[unit].locations.find(cislo);
        if (it == graph.units[unit].locations.end() || graph.nodes[it->second].reachable) return;
        graph.nodes[it->second].reachable = true;
        pending.push_back(it->second);
    };
    if (!graph.units.empty()) visit(0, 1);
    while (!pending.empty()) {
        const LocationNode& node = graph.nodes[pending.back()];
        pending.pop_back();
        const std::size_t unit = targetUnit(node);
        eachLink(graph, node, [&](const Link& link) { visit(unit, link.cil); });
    }
}

}  // namespace

void CheckReach(StoryGraph& graph, Findings& findings) {
    markBroken(graph, findings);
    markReachable(graph);
    for (LocationNode& node : graph.nodes) {
        const std::string kde = "Lokace " + toText(node.cislo) + ": ";
        if (!node.reachable)
            findings.warning(node.place, kde + cz("nevede sem žádná cesta z lokace 1"));
        bool wayOn = node.konec || node.smrt || node.zpet;
        eachLink(graph, node, [&](const Link& link) {
            wayOn = wayOn || (!link.broken && link.kind != LinkKind::Save);
        });
        if (wayOn) continue;
        node.deadEnd = true;
        findings.error(node.place, kde + cz("slepá ulička: žádné menu ani odkaz dál, "
                                            "a není to konec hry (KONEC) ani smrt"));
    }
}

}  // namespace morvane::check
