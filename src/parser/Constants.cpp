#include "parser/Constants.h"

#include "base/TextFile.h"
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
    store.cache.settled = false;
    const GameText file = ReadGameFile(store.soubory, reporter, "konstanty");
    if (!file) return;
    for (const auto& line : splitLines(file.text)) {
        if (auto constant = parseConstantLine(line)) store.seznamkonstant.push_back(*constant);
    }
}

std::size_t ApplyConstants(const StoryStore& store, std::string& text) {
    std::size_t replaced = 0;
    for (const auto& constant : store.seznamkonstant)
        replaced += replaceAll(text, constant.nazev, constant.obsah);
    return replaced;
}

}  // namespace morvane
