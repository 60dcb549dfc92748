#pragma once
// A game folder in a fresh temporary folder with a story store reading it.
#include <string>

#include "parser/LocationSource.h"
#include "parser/StoryStore.h"
#include "support/FakeFrontend.h"
#include "support/TempFolder.h"

namespace morvane::test {

struct StoryFixture {
    StoryFixture() { store.soubory.gameFolder = folder.path(); }

    void library(const std::string& name, std::string_view text) {
        folder.write("data/knihovny/" + name + ".vrn", text);
    }
    std::string load(std::int32_t n, bool prefixzapnut = true, bool suffixzapnut = true) {
        return LoadLocationSource(store, frontend, n, prefixzapnut, suffixzapnut);
    }

    TempFolder folder;
    FakeFrontend frontend;
    StoryStore store;
};

}  // namespace morvane::test
