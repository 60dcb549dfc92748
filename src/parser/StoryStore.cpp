#include "parser/StoryStore.h"

#include <algorithm>

namespace morvane {

void UnsettleStory(StoryStore& store) {
    store.cache.settled = false;
    store.cache.cyclicConstantsApplied = false;
    store.cache.changingPasses = 0;
    store.cache.limitReached = false;
    store.cache.cyclicConstants.clear();
    store.cache.markers.clear();
}

void ResetGameLists(StoryStore& store) {
    store.seznamknihoven.clear();
    store.seznamkonstant.clear();
    store.prefix.reset();
    store.suffix.reset();
    UnsettleStory(store);  // the constants the story settled under are gone
}

void SetOriginalStory(StoryStore& store, std::string text) {
    store.skript = std::move(text);
    store.puvodniskript.clear();
    store.puvodniOddelen = false;
    UnsettleStory(store);
}

const std::string& OriginalStory(const StoryStore& store) {
    return store.puvodniOddelen ? store.puvodniskript : store.skript;
}

void KeepOriginalStory(StoryStore& store) {
    if (store.puvodniOddelen) return;
    store.puvodniskript = store.skript;
    store.puvodniOddelen = true;
}

void ReplaceStory(StoryStore& store, std::string text) {
    KeepOriginalStory(store);
    store.skript = std::move(text);
    UnsettleStory(store);
}

void RestoreOriginalStory(StoryStore& store) {
    if (store.puvodniOddelen) SetOriginalStory(store, std::move(store.puvodniskript));
    else UnsettleStory(store);
}

std::size_t ExpansionLimit(const StoryStore& store, std::size_t size) {
    constexpr std::size_t kMinGrowth = std::size_t{16} << 20;
    const std::size_t base = store.cache.changingPasses > 0 ? store.cache.grownFrom : size;
    return base + std::max(kMinGrowth, 2 * base);
}

const TMyPlugin* libraryAt(const StoryStore& store, std::optional<std::size_t> index) {
    if (!index || *index >= store.seznamknihoven.size()) return nullptr;
    return &store.seznamknihoven[*index];
}

}  // namespace morvane
