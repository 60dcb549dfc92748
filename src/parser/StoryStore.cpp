#include "parser/StoryStore.h"

namespace morvane {

void UnsettleStory(StoryStore& store) {
    store.cache.settled = false;
    store.cache.cyclicConstantsApplied = false;
    store.cache.changingPasses = 0;
    store.cache.markers.clear();
}

void ResetGameLists(StoryStore& store) {
    store.seznamknihoven.clear();
    store.seznamkonstant.clear();
    store.prefix.reset();
    store.suffix.reset();
    UnsettleStory(store);  // the constants the story settled under are gone
}

void ReplaceStory(StoryStore& store, std::string text) {
    store.skript = std::move(text);
    UnsettleStory(store);
}

const TMyPlugin* libraryAt(const StoryStore& store, std::optional<std::size_t> index) {
    if (!index || *index >= store.seznamknihoven.size()) return nullptr;
    return &store.seznamknihoven[*index];
}

}  // namespace morvane
