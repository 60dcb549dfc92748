#pragma once
// From a position in the story as the engine expanded it back to the line of
// the file an author wrote: the story file itself, or the library whose text
// a directive put there. Constants point at the place where their name stood.
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "check/Findings.h"
#include "parser/GameFiles.h"
#include "parser/EditLog.h"

namespace morvane::check {

// Line numbers of a text: byte offset to 1-based line.
class LineTable {
public:
    // A text with its line breaks ("\r\n", "\r" or "\n").
    static LineTable ofText(std::string_view text);
    // Lines joined without breaks, as library files are read.
    static LineTable ofJoined(const std::vector<std::string>& lines);
    int line(std::size_t offset) const;

private:
    std::vector<std::size_t> starts_{0};
};

// The lines of each include library's file, read when first asked for.
class LibraryPlaces {
public:
    explicit LibraryPlaces(GameFiles files) : files_(std::move(files)) {}
    static std::string fileOf(std::string_view name);
    Place at(const std::string& name, std::size_t offset);

private:
    GameFiles files_;
    std::map<std::string, LineTable> tables_;
};

// Places in one expanded story text.
class StoryPlaces {
public:
    // `base`: the unexpanded text's file and lines; `log`: the passes that
    // expanded it, in the order made.
    StoryPlaces(std::string file, LineTable base, EditLog log, LibraryPlaces& libraries);
    // A story that is itself a library's text (a redirect).
    StoryPlaces(std::string library, EditLog log, LibraryPlaces& libraries);
    Place at(std::size_t position) const;

private:
    struct Pass {
        const EditPass* pass;
        std::vector<std::size_t> starts;  // edit or run positions in the newer text
        std::vector<std::ptrdiff_t> grown;  // size change up to and including each edit
    };
    void index();

    std::string file_;
    bool library_ = false;
    LineTable base_;
    EditLog log_;
    std::vector<Pass> passes_;
    LibraryPlaces* libraries_;
};

}  // namespace morvane::check
