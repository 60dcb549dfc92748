#include "parser/LocationSource.h"

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "parser/Constants.h"
#include "parser/Libraries.h"

namespace morvane {
namespace {

// A story whose libraries and constants have changed it in this many passes
// in a row feeds itself: a real chain of constants settles in a few.
constexpr std::size_t kMaxChangingPasses = 16;

// Only libraries and constants change the story.
bool MayChangeStory(const StoryStore& store) {
    return !store.seznamkonstant.empty() || HasLibraryDirective(store.skript);
}

// Expands libraries and constants in the story, as every location load does,
// unless the last pass showed that the story can no longer change.
void prepareStory(StoryStore& store, Reporter& reporter) {
    StoryCache& cache = store.cache;
    if (cache.settled && cache.settledSize == store.skript.size()) return;
    cache.settled = false;
    cache.markers.clear();
    if (MayChangeStory(store)) KeepOriginalStory(store);
    if (cache.changingPasses == 0) cache.grownFrom = store.skript.size();
    const std::size_t changes = ExpandLibraries(store, reporter, store.skript, store.zmeny) +
                                ApplyConstants(store, reporter, store.skript, store.zmeny);
    const bool stopped =
        cache.limitReached || store.skript.size() > ExpansionLimit(store, cache.grownFrom);
    if (changes > 0 && !stopped && ++cache.changingPasses <= kMaxChangingPasses) return;
    if (changes > 0 && !cache.limitReached)
        reporter.showMessage(
            cz("Knihovny a konstanty se vkládají donekonečna, vkládání zastaveno !"));
    cache.settled = true;
    cache.settledSize = store.skript.size();
    cache.markers.build(store.skript);
}

std::string marker(std::int32_t n) {
    std::string text = "<";
    text.append(toText(n)).append(">");
    return text;
}

// The first position of location n's marker.
std::optional<std::size_t> findMarker(const StoryStore& store, std::int32_t n) {
    if (store.cache.settled && store.cache.markers.built()) return store.cache.markers.find(n);
    const std::size_t at = store.skript.find(marker(n));
    if (at == std::string::npos) return std::nullopt;
    return at;
}

}  // namespace

// Reads the story file whole, up to its first 0x1A.
bool ReadStory(StoryStore& store, Reporter& reporter) {
    GameText story = ReadGameFile(store.soubory, reporter, "data");
    if (!story) {
        // A damaged scrambled story has been reported by its own message.
        if (story.status == FileStatus::Unreadable)
            reporter.reportError(cz("Nelze načíst příběh hry, soubor data.vrn chybí !"));
        return false;
    }
    SetOriginalStory(store, store.skript.empty() ? std::move(story.text) : store.skript + story.text);
    store.nacteno = true;
    return true;
}

bool HasLocation(StoryStore& store, Reporter& reporter, std::int32_t n) {
    if (!store.nacteno && !ReadStory(store, reporter)) return false;
    prepareStory(store, reporter);
    return findMarker(store, n).has_value();
}

std::string LoadLocationSource(StoryStore& store, Reporter& reporter, std::int32_t n,
                               bool prefixzapnut, bool suffixzapnut) {
    store.bezprefixu = false;
    store.bezsuffixu = false;
    if (!store.nacteno && !ReadStory(store, reporter)) return {};
    prepareStory(store, reporter);
    const std::string own = marker(n);
    const auto start = findMarker(store, n);
    const auto next = findMarker(store, wrapAdd(n, 1));
    if (!start) {
        reporter.showMessage("Nenalezeno lokace " + own);
        return {};
    }
    std::string source;
    if (next && *next < *start)
        reporter.showMessage(cz("Chybné pořadí lokací!"));
    else
        source = store.skript.substr(*start, next ? *next - *start : std::string::npos);
    store.bezprefixu = source.find("#noprefix;") != std::string::npos;
    store.bezsuffixu = source.find("#nosuffix;") != std::string::npos;
    const TMyPlugin* prefix = libraryAt(store, store.prefix);
    const TMyPlugin* suffix = libraryAt(store, store.suffix);
    if (prefix && prefixzapnut && !store.bezprefixu) source.insert(0, prefix->obsah);
    if (suffix && suffixzapnut && !store.bezsuffixu) source += suffix->obsah;
    return source;
}

}  // namespace morvane
