#include "check/RandomReportText.h"

#include <algorithm>
#include <iomanip>
#include <ostream>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "nlohmann/json.hpp"

namespace morvane::check {
namespace {

const LocationNode* nodeOf(const StoryGraph& graph, const StoryPlace& place) {
    for (std::size_t u = 0; u < graph.units.size(); ++u)
        if (graph.units[u].library == place.first) return graph.find(u, place.second);
    return nullptr;
}

std::string shellQuoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

const char* endWord(EndKind kind) {
    switch (kind) {
        case EndKind::Konec: return "KONEC";
        case EndKind::Smrt: return "smrt";
        case EndKind::SlepaUlicka: return "slepá ulička";
        case EndKind::Limit: return "hra přerušena po limitu tahů";
    }
    return "";
}

struct Coverage {
    std::int32_t locations = 0, visited = 0, menus = 0, taken = 0;
};

Coverage coverage(const RandomReport& report, const StoryGraph& graph) {
    Coverage c;
    for (const LocationNode& node : graph.nodes) {
        if (!node.reachable) continue;
        const std::string& library = graph.units[node.unit].library;
        ++c.locations;
        c.visited += report.visits.count({library, node.cislo}) ? 1 : 0;
        for (const Link& link : node.links) {
            if (link.kind != LinkKind::Menu || link.broken) continue;
            ++c.menus;
            c.taken += report.menuMoves.count({library, node.cislo, link.cil}) ? 1 : 0;
        }
    }
    return c;
}

double percent(std::int32_t part, std::int32_t whole) { return whole ? 100.0 * part / whole : 100.0; }

}  // namespace

std::string ReplayCommand(const PlayProblem& problem, const std::string& gameFolder) {
    std::string command = "printf '%s\\n'";
    for (const std::string& line : problem.route) command += " " + shellQuoted(line);
    if (problem.route.empty()) command = "true";
    return command + " | morvane-text --seed " + std::to_string(problem.seed) + " " +
           shellQuoted(gameFolder);
}

void AddRandomFindings(const RandomReport& report, const StoryGraph& graph,
                       const std::string& gameFolder, Findings& findings) {
    for (const PlayProblem& p : report.problems) {
        const LocationNode* node = nodeOf(graph, p.misto);
        Finding f;
        f.place = node ? node->place : Place{"data/data.vrn", 0};
        f.message = "Lokace " + toText(p.misto.second) + cz(": při náhodném hraní (") +
                    toText(p.times) + cz("×): ") + p.message;
        f.seed = p.seed;
        f.route = p.route;
        f.replay = ReplayCommand(p, gameFolder);
        findings.add(std::move(f));
    }
    for (const LocationNode& node : graph.nodes) {
        if (!node.reachable) continue;
        const std::string& library = graph.units[node.unit].library;
        const std::string kde = "Lokace " + toText(node.cislo) + ": ";
        if (!report.visits.count({library, node.cislo})) {
            findings.warning(node.place, kde + cz("náhodné hraní sem nedošlo (") + toText(report.plays) +
                                             cz(" her)"));
            continue;
        }
        for (const Link& link : node.links) {
            if (link.kind != LinkKind::Menu || link.broken) continue;
            if (report.menuMoves.count({library, node.cislo, link.cil})) continue;
            findings.warning(link.place, kde + cz("volbu menu do lokace ") + toText(link.cil) +
                                             cz(" náhodné hraní nevybralo"));
        }
    }
}

void PrintRandomSummary(const RandomReport& report, const StoryGraph& graph, double seconds,
                        bool json, std::ostream& out) {
    const Coverage c = coverage(report, graph);
    std::vector<std::pair<std::pair<EndKind, StoryPlace>, std::int32_t>> endings(report.endings.begin(),
                                                                                 report.endings.end());
    std::stable_sort(endings.begin(), endings.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    if (json) {
        nlohmann::ordered_json ends = nlohmann::ordered_json::array();
        for (const auto& [key, n] : endings)
            ends.push_back({{"kind", endWord(key.first)}, {"library", toUtf8(key.second.first)},
                            {"location", key.second.second}, {"count", n}});
        const nlohmann::ordered_json summary = {
            {"random", {{"plays", report.plays},
                        {"seconds", seconds},
                        {"locations", c.locations},
                        {"locationsVisited", c.visited},
                        {"menuItems", c.menus},
                        {"menuItemsTaken", c.taken},
                        {"endings", ends}}}};
        out << summary.dump() << "\n";
        return;
    }
    out << std::fixed << std::setprecision(1);
    out << "morvane-check: " << report.plays << " her za " << seconds << " s\n";
    out << "morvane-check: pokrytí lokací " << c.visited << "/" << c.locations << " ("
        << percent(c.visited, c.locations) << " %), voleb menu " << c.taken << "/" << c.menus << " ("
        << percent(c.taken, c.menus) << " %)\n";
    for (const auto& [key, n] : endings) {
        out << "morvane-check: " << endWord(key.first) << " v lokaci " << key.second.second;
        if (!key.second.first.empty()) out << " (knihovna " << toUtf8(key.second.first) << ")";
        out << ": " << n << "× (" << percent(n, report.plays) << " %)\n";
    }
}

}  // namespace morvane::check
