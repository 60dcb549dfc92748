#include "parser/Libraries.h"

#include <algorithm>
#include <vector>

#include "base/TextFile.h"
#include "base/Win1250.h"
#include "parser/TextReplace.h"

namespace morvane {
namespace {

const std::string kDirective = "#knihovna_";
// Guards against expansions that feed themselves in ways no simple check
// sees (directives assembled across a library's edge): past these the
// expansion stops with a report rather than run forever.
constexpr std::size_t kMaxRounds = 10000;
constexpr std::size_t kMaxGrowth = std::size_t{256} << 20;
constexpr std::size_t kExcerptLength = 60;

void reportOnce(StoryStore& store, Reporter& reporter, const std::string& text) {
    if (store.cache.reported.insert(text).second) reporter.showMessage(text);
}

bool isBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Reads the library name of the directive at `at`: the text up to the next
// ";" without any "#knihovna_" (any case), trimmed. Nothing without a ";".
std::optional<std::string> directiveName(std::string_view text, std::size_t at) {
    const std::size_t end = text.find(';', at);
    if (end == std::string_view::npos) return std::nullopt;
    std::string name(text.substr(at, end - at));
    std::size_t unused = 0;
    replaceCaseless(name, kDirective, "", 0, unused);
    const auto first = std::find_if_not(name.begin(), name.end(), isBlankOrControl);
    const auto last = std::find_if_not(name.rbegin(), name.rend(), isBlankOrControl).base();
    return first < last ? std::string(first, last) : std::string();
}

// The names of the complete directives inside a library's text.
std::vector<std::string> directiveNames(std::string_view text) {
    std::vector<std::string> names;
    for (auto at = text.find(kDirective); at != std::string_view::npos;
         at = text.find(kDirective, at + 1)) {
        if (auto name = directiveName(text, at)) names.push_back(std::move(*name));
    }
    return names;
}

// Whether expanding library `name` brings back a directive of `name`, going
// through the libraries loaded so far. (One not loaded yet is checked when
// its own directive comes up.)
bool includesItself(const StoryStore& store, const std::string& name) {
    std::vector<std::string> pending{name};
    std::set<std::string> seen;
    while (!pending.empty()) {
        const auto lib = FindLibrary(store, pending.back());
        pending.pop_back();
        if (!lib) continue;
        for (auto& inner : directiveNames(store.seznamknihoven[*lib].obsah)) {
            if (inner == name) return true;
            if (seen.insert(inner).second) pending.push_back(std::move(inner));
        }
    }
    return false;
}

std::string excerpt(std::string_view text, std::size_t at) {
    const std::size_t end = text.find(';', at);
    const std::size_t length = end == std::string_view::npos ? text.size() - at : end + 1 - at;
    return std::string(text.substr(at, std::min(length, kExcerptLength)));
}

// The library text that replaces directive `name`, or nothing when the
// directive must stay (it includes itself); reports that once.
std::optional<std::string> libraryText(StoryStore& store, Reporter& reporter,
                                       const std::string& name) {
    if (store.cache.cyclic.count(name)) return std::nullopt;
    const std::size_t lib = UseLibrary(store, reporter, name);
    if (includesItself(store, name)) {
        store.cache.cyclic.insert(name);
        reportOnce(store, reporter, cz("Knihovna ") + name + cz(" vkládá sama sebe !"));
        return std::nullopt;
    }
    return store.seznamknihoven[lib].obsah;
}

}  // namespace

std::optional<std::size_t> FindLibrary(const StoryStore& store, const std::string& name) {
    for (std::size_t i = store.seznamknihoven.size(); i-- > 0;) {
        if (store.seznamknihoven[i].nazev == name) return i;
    }
    return std::nullopt;
}

// Reads a library file line by line and joins the lines.
std::size_t LoadLibrary(StoryStore& store, Reporter& reporter, const std::string& name) {
    const GameText file = ReadLibraryFile(store.soubory, reporter, name);
    std::string obsah;
    if (file) {
        for (const auto& line : splitLines(file.text)) obsah += line;
    } else {
        obsah = "Nenalezena knihovna " + name + " !!!!";
        if (file.status != FileStatus::Damaged) reporter.showMessage(obsah);
    }
    store.seznamknihoven.push_back({name, std::move(obsah)});
    return store.seznamknihoven.size() - 1;
}

std::size_t UseLibrary(StoryStore& store, Reporter& reporter, const std::string& name) {
    if (const auto lib = FindLibrary(store, name)) return *lib;
    return LoadLibrary(store, reporter, name);
}

// Directives that can't be expanded are stepped over: `from` marks the first
// place where a directive may still be expanded.
std::size_t ExpandLibraries(StoryStore& store, Reporter& reporter, std::string& text) {
    const std::size_t sizeLimit = text.size() + kMaxGrowth;
    std::size_t from = 0, rounds = 0, replaced = 0;
    for (std::size_t at; (at = text.find(kDirective, from)) != std::string::npos;) {
        if (++rounds > kMaxRounds || text.size() > sizeLimit) {
            reportOnce(store, reporter,
                       cz("Knihovny se vkládají donekonečna, vkládání zastaveno !"));
            break;
        }
        const auto name = directiveName(text, at);
        const std::string pattern = kDirective + name.value_or("") + ";";
        const std::size_t first = name ? findCaseless(text, pattern) : std::string::npos;
        if (first == std::string::npos) {
            reportOnce(store, reporter, cz("Chybně zapsaná knihovna: ") + excerpt(text, at));
            from = at + 1;
            continue;
        }
        const auto obsah = libraryText(store, reporter, *name);
        if (!obsah) {
            from = at + 1;
            continue;
        }
        replaced += replaceCaseless(text, pattern, *obsah, first, from);
    }
    return replaced;
}

}  // namespace morvane
