#include "parser/StoryStore.h"

namespace morvane {

void ResetGameLists(StoryStore& store) {
    store.seznamknihoven.clear();
    store.seznamkonstant.clear();
    store.prefix.reset();
    store.suffix.reset();
    store.cache.settled = false;  // the constants the story settled under are gone
}

void ReplaceStory(StoryStore& store, std::string text) {
    store.skript = std::move(text);
    store.cache.settled = false;
    store.cache.markers.clear();
}

const TMyPlugin* libraryAt(const StoryStore& store, std::optional<std::size_t> index) {
    if (!index || *index >= store.seznamknihoven.size()) return nullptr;
    return &store.seznamknihoven[*index];
}

}  // namespace morvane
