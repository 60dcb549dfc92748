#pragma once
// The record of what the story's expansions replaced, kept only for
// authoring tools that point from the expanded story back at the files.
#include <cstddef>
#include <string>
#include <vector>

namespace morvane {

// One replacement made by a pass over the text: at `at` of the new text,
// `inserted` bytes stand where `removed` bytes stood.
struct TextEdit {
    std::size_t at;
    std::size_t removed;
    std::size_t inserted;
};

// A run of the new text copied from one place: the text the pass read
// (`source` empty) or the text of the library named `source`, from `offset`.
struct TextSegment {
    std::size_t at;
    std::size_t length;
    std::string source;
    std::size_t offset;
};

// One pass over the text. Constants are replacements, in text order, of the
// constant named `origin`; an expansion of libraries (`library`) is told as
// the runs its output is made of, nested libraries included. Authoring tools
// keep these to point from the expanded story back at the file an author wrote.
struct EditPass {
    std::string origin;
    bool library = false;
    std::vector<TextEdit> edits;
    std::vector<TextSegment> segments;
};
using EditLog = std::vector<EditPass>;

}  // namespace morvane
