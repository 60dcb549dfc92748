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

// Which constants bring back their own name: a value holding the name, or
// holding the name of a constant that leads back to it.
std::vector<bool> cyclicConstants(const std::vector<TMyPlugin>& constants) {
    const std::size_t n = constants.size();
    std::vector<std::vector<std::size_t>> leadsTo(n);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            const std::string& name = constants[j].nazev;
            if (!name.empty() && constants[i].obsah.find(name) != std::string::npos)
                leadsTo[i].push_back(j);
        }
    }
    std::vector<bool> cyclic(n, false);
    for (std::size_t i = 0; i < n; ++i) {
        std::vector<bool> seen(n, false);
        std::vector<std::size_t> pending = leadsTo[i];
        while (!pending.empty() && !cyclic[i]) {
            const std::size_t j = pending.back();
            pending.pop_back();
            if (j == i) cyclic[i] = true;
            if (seen[j]) continue;
            seen[j] = true;
            pending.insert(pending.end(), leadsTo[j].begin(), leadsTo[j].end());
        }
    }
    return cyclic;
}

}  // namespace

std::size_t ApplyConstants(StoryStore& store, Reporter& reporter, std::string& text,
                           EditLog* log) {
    const std::vector<bool> cyclic = cyclicConstants(store.seznamkonstant);
    const std::size_t limit = ExpansionLimit(store, text.size());
    std::size_t replaced = 0;
    for (std::size_t i = 0; i < store.seznamkonstant.size(); ++i) {
        const TMyPlugin& constant = store.seznamkonstant[i];
        if (cyclic[i]) {
            if (store.cache.cyclicConstantsApplied) continue;
            const std::string report =
                cz("Konstanta ") + constant.nazev + cz(" obsahuje sama sebe, použije se jen jednou !");
            if (store.cache.reported.insert(report).second) reporter.showMessage(report);
        }
        // A value equal to its name changes nothing and must not count as a change.
        if (constant.obsah == constant.nazev) continue;
        if (!fitsWithin(text, constant, limit)) {
            const std::string report = cz("Konstanty se vkládají donekonečna, vkládání zastaveno !");
            if (store.cache.reported.insert(report).second) reporter.showMessage(report);
            store.cache.limitReached = true;
            break;
        }
        std::vector<TextEdit>* edits = nullptr;
        if (log) edits = &log->emplace_back(EditPass{constant.nazev, false, {}, {}}).edits;
        replaced += replaceAll(text, constant.nazev, constant.obsah, edits);
    }
    store.cache.cyclicConstantsApplied = true;
    return replaced;
}

}  // namespace morvane
