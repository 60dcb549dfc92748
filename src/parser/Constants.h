#pragma once
// Constants: data/konstanty.vrn defines, one a line, a text and the text that
// replaces it everywhere in the story ("NAME VALUE").
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/Reporter.h"
#include "parser/EditLog.h"
#include "parser/StoryStore.h"

namespace morvane {

// Reads one line of the constants file: the name up to the first blank, the
// value after the run of blanks up to the first ";" (one is added at the
// line's end). Nothing for a line of two characters or fewer, and for a line
// with no blank before its first ";", which has no name and value to split.
std::optional<TMyPlugin> parseConstantLine(std::string_view line);

// Fills seznamkonstant from data/konstanty.vrn in line order (a repeated name
// adds a second entry); no file, no constants.
void LoadConstants(StoryStore& store, Reporter& reporter);

// Replaces, constant by constant in list order, every occurrence of its name
// in `text` by its value (exact case), and returns the number of
// replacements. A value holding a later constant's name is replaced again.
// A constant whose value brings its own name back (directly or through other
// constants) is reported once and applied in the first pass only, until the
// story or the constants change: otherwise every location load would grow
// the story again.
// A constant that would grow the text past ExpansionLimit is left out, with
// the ones after it, and reported.
// Each constant's replacements go to `log` when one is given.
std::size_t ApplyConstants(StoryStore& store, Reporter& reporter, std::string& text,
                           EditLog* log = nullptr);

}  // namespace morvane
