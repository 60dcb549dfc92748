#include "parser/Constants.h"

#include <vector>

#include "base/TextFile.h"
#include "base/Win1250.h"
#include "parser/TextReplace.h"

namespace morvane {

std::optional<TMyPlugin> parseConstantLine(std::string_view text) {
    const std::string line = std::string(text) + ";";
    if (line.size() <= 3) return std::nullopt;
    const std::size_t blank = line.find(' ');
    if (blank == 0 || blank > line.find(';')) return std::nullopt;
    const std::size_t value = line.find_first_not_of(' ', blank);
    const std::size_t end = line.find(';', value);
    return TMyPlugin{line.substr(0, blank), line.substr(value, end - value)};
}

// Reads data/konstanty.vrn line by line into seznamkonstant.
void LoadConstants(StoryStore& store, Reporter& reporter) {
    store.seznamkonstant.clear();
    UnsettleStory(store);
    const GameText file = ReadGameFile(store.soubory, reporter, "konstanty");
    if (!file) return;
    for (const auto& line : splitLines(file.text)) {
        if (auto constant = parseConstantLine(line)) store.seznamkonstant.push_back(*constant);
    }
}

namespace {

std::size_t countAll(std::string_view text, std::string_view pattern) {
    std::size_t count = 0;
    for (std::size_t at = text.find(pattern); at != std::string_view::npos;
         at = text.find(pattern, at + pattern.size()))
        ++count;
    return count;
}

// Whether replacing every `constant` in `text` keeps it within `limit` bytes.
bool fitsWithin(std::string_view text, const TMyPlugin& constant, std::size_t limit) {
    if (constant.obsah.size() <= constant.nazev.size() || constant.nazev.empty()) return true;
    const std::size_t room = limit > text.size() ? limit - text.size() : 0;
    const std::size_t growth = constant.obsah.size() - constant.nazev.size();
    return countAll(text, constant.nazev) <= room / growth;
}

using Graph = std::vector<std::vector<std::size_t>>;

// Which constant's value holds which constants' names.
Graph constantLinks(const std::vector<TMyPlugin>& constants) {
    const std::size_t n = constants.size();
    Graph leadsTo(n);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            const std::string& name = constants[j].nazev;
            if (!name.empty() && constants[i].obsah.find(name) != std::string::npos)
                leadsTo[i].push_back(j);
        }
    }
    return leadsTo;
}

// The order in which a depth-first walk of `graph` finishes its nodes.
std::vector<std::size_t> finishOrder(const Graph& graph) {
    std::vector<std::size_t> order;
    std::vector<bool> seen(graph.size(), false);
    std::vector<std::pair<std::size_t, std::size_t>> stack;  // node, next edge
    for (std::size_t root = 0; root < graph.size(); ++root) {
        if (seen[root]) continue;
        seen[root] = true;
        stack.push_back({root, 0});
        while (!stack.empty()) {
            auto& [node, edge] = stack.back();
            if (edge < graph[node].size()) {
                const std::size_t next = graph[node][edge++];
                if (!seen[next]) {
                    seen[next] = true;
                    stack.push_back({next, 0});
                }
            } else {
                order.push_back(node);
                stack.pop_back();
            }
        }
    }
    return order;
}

// Which constants bring back their own name: a value holding the name, or
// holding the name of a constant that leads back to it. Those are the ones
// in a strongly connected group of two or more, or linked to themselves;
// the groups are found in two walks, so a long constants file costs time in
// proportion to its links, not to their cube.
std::vector<bool> cyclicConstants(const std::vector<TMyPlugin>& constants) {
    const Graph leadsTo = constantLinks(constants);
    const std::size_t n = leadsTo.size();
    Graph comesFrom(n);
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j : leadsTo[i]) comesFrom[j].push_back(i);
    const std::vector<std::size_t> order = finishOrder(leadsTo);
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<std::size_t> group(n, kNone), groupSize;
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (group[*it] != kNone) continue;
        const std::size_t id = groupSize.size();
        groupSize.push_back(0);
        std::vector<std::size_t> pending{*it};
        group[*it] = id;
        while (!pending.empty()) {
            const std::size_t node = pending.back();
            pending.pop_back();
            ++groupSize[id];
            for (std::size_t from : comesFrom[node])
                if (group[from] == kNone) {
                    group[from] = id;
                    pending.push_back(from);
                }
        }
    }
    std::vector<bool> cyclic(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        cyclic[i] = groupSize[group[i]] > 1;
        for (std::size_t j : leadsTo[i]) cyclic[i] = cyclic[i] || j == i;
    }
    return cyclic;
}

}  // namespace

std::size_t ApplyConstants(StoryStore& store, Reporter& reporter, std::string& text,
                           EditLog* log) {
    StoryCache& cache = store.cache;
    if (cache.cyclicConstants.size() != store.seznamkonstant.size())
        cache.cyclicConstants = cyclicConstants(store.seznamkonstant);
    const std::vector<bool>& cyclic = cache.cyclicConstants;
    const std::size_t limit = ExpansionLimit(store, text.size());
    std::size_t replaced = 0;
    for (std::size_t i = 0; i < store.seznamkonstant.size(); ++i) {
        const TMyPlugin& constant = store.seznamkonstant[i];
        if (cyclic[i]) {
            if (cache.cyclicConstantsApplied) continue;
            const std::string report =
                cz("Konstanta ") + constant.nazev + cz(" obsahuje sama sebe, použije se jen jednou !");
            if (cache.reported.insert(report).second) reporter.showMessage(report);
        }
        // A value equal to its name changes nothing and must not count as a change.
        if (constant.obsah == constant.nazev) continue;
        if (!fitsWithin(text, constant, limit)) {
            const std::string report = cz("Konstanty se vkládají donekonečna, vkládání zastaveno !");
            if (cache.reported.insert(report).second) reporter.showMessage(report);
            cache.limitReached = true;
            break;
        }
        std::vector<TextEdit>* edits = nullptr;
        if (log) edits = &log->emplace_back(EditPass{constant.nazev, false, {}, {}}).edits;
        replaced += replaceAll(text, constant.nazev, constant.obsah, edits);
    }
    cache.cyclicConstantsApplied = true;
    return replaced;
}

}  // namespace morvane
