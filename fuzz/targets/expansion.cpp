// Constants and library expansion over a small game held in memory: the
// input is a story, a constants file and three libraries "a", "b" and "c",
// separated by zero bytes. Each location is loaded twice, as a game does.
#include "FuzzSupport.h"
#include "base/TextFile.h"
#include "parser/Constants.h"
#include "parser/LocationSource.h"
#include "parser/StoryStore.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::QuietFrontend frontend;
    const auto texts = fuzz::parts(fuzz::asText(data, size));
    StoryStore store;
    store.soubory.gameFolder = fuzz::scratchFolder() / "none";  // nothing to read there
    SetOriginalStory(store, std::string(texts[0]));
    store.nacteno = true;
    if (texts.size() > 1) {
        for (const auto& line : splitLines(texts[1]))
            if (auto constant = parseConstantLine(line)) store.seznamkonstant.push_back(*constant);
    }
    const char* names[] = {"a", "b", "c"};
    for (std::size_t i = 2; i < texts.size() && i < 5; ++i)
        store.seznamknihoven.push_back({names[i - 2], std::string(texts[i])});
    if (!store.seznamknihoven.empty()) store.prefix = 0;
    for (std::int32_t n : {1, 2, 1, 3, 2})
        LoadLocationSource(store, frontend, n, true, true);
    return 0;
}
