#include "check/SourcePlaces.h"

#include <algorithm>

#include "base/TextFile.h"
#include "check/QuietFrontend.h"

namespace morvane::check {

LineTable LineTable::ofText(std::string_view text) {
    LineTable table;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        table.starts_.push_back(i + 1);
    }
    return table;
}

LineTable LineTable::ofJoined(const std::vector<std::string>& lines) {
    LineTable table;
    std::size_t at = 0;
    for (std::size_t k = 0; k + 1 < lines.size(); ++k) table.starts_.push_back(at += lines[k].size());
    return table;
}

int LineTable::line(std::size_t offset) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    return static_cast<int>(after - starts_.begin());
}

std::string LibraryPlaces::fileOf(std::string_view name) {
    return "data/knihovny/" + std::string(name) + ".vrn";
}

Place LibraryPlaces::at(const std::string& name, std::size_t offset) {
    auto found = tables_.find(name);
    if (found == tables_.end()) {
        QuietFrontend quiet;
        const GameText text = ReadLibraryFile(files_, quiet, name);
        found = tables_.emplace(name, LineTable::ofJoined(splitLines(text.text))).first;
    }
    return {fileOf(name), found->second.line(offset)};
}

StoryPlaces::StoryPlaces(std::string file, LineTable base, EditLog log, LibraryPlaces& libraries)
    : file_(std::move(file)), base_(std::move(base)), log_(std::move(log)),
      libraries_(&libraries) {
    index();
}

StoryPlaces::StoryPlaces(std::string library, EditLog log, LibraryPlaces& libraries)
    : file_(std::move(library)), library_(true), log_(std::move(log)), libraries_(&libraries) {
    index();
}

void StoryPlaces::index() {
    for (const EditPass& pass : log_) {
        Pass p{&pass, {}, {}};
        std::ptrdiff_t grown = 0;
        for (const TextSegment& run : pass.segments) p.starts.push_back(run.at);
        for (const TextEdit& e : pass.edits) {
            p.starts.push_back(e.at);
            grown += static_cast<std::ptrdiff_t>(e.inserted) - static_cast<std::ptrdiff_t>(e.removed);
            p.grown.push_back(grown);
        }
        passes_.push_back(std::move(p));
    }
}

// Undoes the passes from the last one: a position inside a library's text
// belongs to that library; inside a constant's value, to the constant's name.
Place StoryPlaces::at(std::size_t position) const {
    for (auto pass = passes_.rbegin(); pass != passes_.rend(); ++pass) {
        const auto after = std::upper_bound(pass->starts.begin(), pass->starts.end(), position);
        if (after == pass->starts.begin()) continue;
        const std::size_t k = static_cast<std::size_t>(after - pass->starts.begin()) - 1;
        if (pass->pass->library) {
            const TextSegment& run = pass->pass->segments[k];
            position = run.offset + (position - run.at);
            if (!run.source.empty()) return libraries_->at(run.source, position);
            continue;
        }
        const TextEdit& e = pass->pass->edits[k];
        const std::ptrdiff_t before = k == 0 ? 0 : pass->grown[k - 1];
        if (position < e.at + e.inserted) {
            position = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(e.at) - before);
            continue;
        }
        position = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(position) - pass->grown[k]);
    }
    if (library_) return libraries_->at(file_, position);
    return {file_, base_.line(position)};
}

}  // namespace morvane::check
