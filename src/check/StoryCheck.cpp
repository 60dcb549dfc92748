#include "check/StoryCheck.h"

#include <deque>
#include <iterator>
#include <memory>
#include <set>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "check/LocationScan.h"
#include "interpreter/GameStateRecord.h"
#include "check/QuietFrontend.h"
#include "check/SourcePlaces.h"
#include "parser/Constants.h"
#include "parser/Libraries.h"
#include "parser/LocationSource.h"
#include "parser/TextReplace.h"

namespace morvane::check {
namespace {

// One story being checked: the game's own or a redirect's library.
struct Story {
    std::size_t unit;
    StoryStore store;
    EditLog log;
    std::unique_ptr<StoryPlaces> places;
};

// The engine expands libraries and constants on every location load until a
// load changes nothing; the check loads until then too.
void settle(StoryStore& store, Frontend& frontend) {
    for (int pass = 0; pass < 64 && !store.cache.settled; ++pass)
        LoadLocationSource(store, frontend, 1, false, false);
}

bool isLibraryMessage(const std::string& text) {
    for (const char* start : {"Nenalezena knihovna", "Chybně zapsaná knihovna", "Knihovna ",
                              "Knihovny se vkládají", "Chybné soubory"}) {
        if (text.rfind(cz(start), 0) == 0) return true;
    }
    return false;
}

// The text between `before` and `after` in an engine message; empty when
// the message is not of that form.
std::string between(const std::string& message, const std::string& before, const std::string& after) {
    if (message.rfind(before, 0) != 0) return {};
    const std::size_t end = message.find(after, before.size());
    return end == std::string::npos ? std::string() : message.substr(before.size(), end - before.size());
}

// Where the engine's own report about a library belongs: the line of the
// directive it is about, when the story itself holds it.
Place libraryMessagePlace(const std::string& message, const std::string& raw, const Place& file) {
    std::string directive;
    if (auto name = between(message, "Nenalezena knihovna ", " !!!!"); !name.empty())
        directive = "#knihovna_" + name + ";";
    else if (auto cyclic = between(message, "Knihovna ", cz(" vkládá")); !cyclic.empty())
        directive = "#knihovna_" + cyclic + ";";
    else if (const std::string miswritten = cz("Chybně zapsaná knihovna: "); message.rfind(miswritten, 0) == 0)
        directive = message.substr(miswritten.size());
    const std::size_t at = directive.empty() ? std::string::npos : findCaseless(raw, directive);
    if (at == std::string::npos) return {file.file, 0};
    return {file.file, LineTable::ofText(raw).line(at)};
}

class StoryChecker {
public:
    StoryChecker(const GameFiles& files, const GameFacts& facts, Findings& findings, StoryGraph& graph)
        : files_(files), facts_(facts), findings_(findings), graph_(graph), libraries_(files) {}

    void run() {
        QuietFrontend quiet;
        StoryStore constants;
        constants.soubory = files_;
        LoadConstants(constants, quiet);
        constants_ = constants.seznamkonstant;
        if (!openMain()) return;
        while (!pending_.empty()) {
            Story& story = *pending_.front();
            checkLocations(story);
            pending_.pop_front();
        }
        checkSurroundings(prefixes_, graph_.prefixLinks, "PREFIX");
        checkSurroundings(suffixes_, graph_.suffixLinks, "SUFFIX");
    }

private:
    std::unique_ptr<Story> newStory(const std::string& library) {
        auto story = std::make_unique<Story>();
        story->unit = graph_.unitOf(library);
        story->store.soubory = files_;
        story->store.seznamkonstant = constants_;
        story->store.zmeny = &story->log;
        return story;
    }

    bool openMain() {
        auto story = newStory("");
        QuietFrontend quiet;
        if (!ReadStory(story->store, quiet)) {
            // Play's own words: missing, damaged or too large.
            for (const std::string& said : quiet.said) findings_.error({"data/data.vrn", 0}, said);
            return false;
        }
        const std::string raw = OriginalStory(story->store);
        settle(story->store, quiet);
        reportLibraryMessages(quiet, raw, {"data/data.vrn", 0});
        story->places = std::make_unique<StoryPlaces>("data/data.vrn", LineTable::ofText(raw),
                                                      story->log, libraries_);
        pending_.push_back(std::move(story));
        return true;
    }

    // A redirect makes a library the story: its locations are checked as a story of their own.
    std::size_t openRedirect(const std::string& library, const Place& from) {
        for (const auto& [name, unit] : redirects_)
            if (name == library) return unit;
        auto story = newStory(library);
        QuietFrontend quiet;
        const std::size_t lib = UseLibrary(story->store, quiet, library);
        const std::string text = story->store.seznamknihoven[lib].obsah;
        reportLibraryMessages(quiet, "", from);
        SetOriginalStory(story->store, text);
        story->store.nacteno = true;
        settle(story->store, quiet);
        story->places = std::make_unique<StoryPlaces>(library, story->log, libraries_);
        redirects_.emplace_back(library, story->unit);
        pending_.push_back(std::move(story));
        return redirects_.back().second;
    }

    void reportLibraryMessages(const QuietFrontend& quiet, const std::string& raw, const Place& file) {
        for (const std::string& text : quiet.said) {
            if (!isLibraryMessage(text)) continue;
            findings_.error(raw.empty() ? file : libraryMessagePlace(text, raw, file), text);
        }
    }

    void checkLocations(Story& story);
    void checkLocation(Story& story, std::int32_t n, std::size_t start, std::size_t node);
    void checkSurroundings(const std::vector<std::pair<std::string, Place>>& names,
                           std::vector<Link>& links, const char* command);

    const GameFiles& files_;
    const GameFacts& facts_;
    Findings& findings_;
    StoryGraph& graph_;
    LibraryPlaces libraries_;
    std::vector<TMyPlugin> constants_;
    std::deque<std::unique_ptr<Story>> pending_;
    std::vector<std::pair<std::string, std::size_t>> redirects_;
    std::vector<std::pair<std::string, Place>> prefixes_, suffixes_;
    std::set<std::string> surroundingsSeen_;
};

std::string locationWord(std::int32_t n) { return "Lokace " + toText(n) + ": "; }

// The markers of a story: each location once (the first marker counts, as
// the engine finds it), in story order; repeated and unreadable ones told.
void StoryChecker::checkLocations(Story& story) {
    const std::string& text = story.store.skript;
    std::map<std::int32_t, std::size_t> first;
    std::vector<std::pair<std::int32_t, std::size_t>> order;
    for (const MarkerAt& m : FindMarkers(text)) {
        const std::string digits(m.text.substr(1, m.text.size() - 2));
        const auto n = parseInteger(digits);
        const Place place = story.places->at(m.at);
        if (!n || toText(*n) != digits) {
            findings_.warning(place, cz("Značka ") + std::string(m.text) +
                                         cz(" nepatří žádné lokaci (číslo bez nul na začátku)"));
            continue;
        }
        if (first.emplace(*n, m.at).second) {
            order.emplace_back(*n, m.at);
            continue;
        }
        findings_.error(place, cz("Lokace ") + toText(*n) + cz(" je v příběhu podruhé (platí ta na řádku ") +
                                   toText(story.places->at(first[*n]).line) + cz("); tahle se nikdy nepřečte"));
    }
    StoryUnit& unit = graph_.units[story.unit];
    for (const auto& [n, at] : order) {
        LocationNode node;
        node.cislo = n;
        node.unit = story.unit;
        node.place = story.places->at(at);
        unit.locations[n] = graph_.nodes.size();
        graph_.nodes.push_back(node);
    }
    const std::int32_t highest = order.empty() ? 0 : std::prev(first.end())->first;
    for (const auto& [n, at] : order) {
        const std::size_t node = graph_.units[story.unit].locations[n];
        const Place place = graph_.nodes[node].place;
        const auto next = first.find(wrapAdd(n, 1));
        if (next != first.end() && next->second < at) {
            findings_.error(place, cz("Chybné pořadí lokací! Lokace ") + toText(n + 1) +
                                       cz(" stojí před lokací ") + toText(n) + cz(", ta proto nemá žádné příkazy"));
            continue;
        }
        if (next == first.end() && n != highest)
            findings_.error(place, locationWord(n) + cz("chybí lokace ") + toText(n + 1) +
                                       cz(", proto lokace ") + toText(n) +
                                       cz(" sahá až do konce příběhu, i přes další lokace"));
        checkLocation(story, n, at, node);
    }
}

void StoryChecker::checkLocation(Story& story, std::int32_t n, std::size_t start, std::size_t node) {
    QuietFrontend quiet;
    const std::string source = LoadLocationSource(story.store, quiet, n, false, false);
    LocationNode& location = graph_.nodes[node];
    location.bezprefixu = story.store.bezprefixu;
    location.bezsuffixu = story.store.bezsuffixu;
    TagEffects effects;
    const auto place = [&](std::size_t at) { return story.places->at(start + at); };
    ScanForCheck(source, {facts_, findings_, locationWord(n)}, place, effects);
    if (effects.menuItems > kMenuItems)
        findings_.warning(location.place, locationWord(n) + toText(effects.menuItems) +
                                              cz(" položek menu; zobrazí se nejvýš ") +
                                              toText(kMenuItems));
    location.links = effects.links;
    location.konec = effects.konec;
    location.smrt = effects.smrt;
    location.zpet = effects.zpet;
    for (const std::string& name : effects.prefixes) prefixes_.emplace_back(name, location.place);
    for (const std::string& name : effects.suffixes) suffixes_.emplace_back(name, location.place);
    if (!effects.redirect) return;
    // The node may move when the redirect's story adds nodes: keep its index.
    const std::size_t unit = effects.redirect->empty() ? 0 : openRedirect(*effects.redirect, location.place);
    graph_.nodes[node].presmerovani = unit;
}

// The prefix and suffix libraries are checked once each, as sources of
// their own; their links belong to every location.
void StoryChecker::checkSurroundings(const std::vector<std::pair<std::string, Place>>& names,
                                     std::vector<Link>& links, const char* command) {
    for (const auto& [name, from] : names) {
        if (!surroundingsSeen_.insert(std::string(command) + name).second) continue;
        StoryStore store;
        store.soubory = files_;
        store.seznamkonstant = constants_;
        QuietFrontend quiet;
        const std::size_t lib = UseLibrary(store, quiet, name);
        reportLibraryMessages(quiet, "", from);
        // Put around a location as it is, without expanding it again.
        const std::string text = store.seznamknihoven[lib].obsah;
        TagEffects effects;
        const auto place = [&, name = name](std::size_t at) { return libraries_.at(name, at); };
        ScanForCheck(text, {facts_, findings_, cz("Knihovna ") + name + ": "}, place, effects);
        links.insert(links.end(), effects.links.begin(), effects.links.end());
    }
}

}  // namespace

void CheckStory(const GameFiles& files, const GameFacts& facts, Findings& findings,
                StoryGraph& graph) {
    StoryChecker(files, facts, findings, graph).run();
}

}  // namespace morvane::check
