#pragma once
// Include libraries: pieces of script that the story pulls in with the
// directive "#knihovna_" + name + ";".
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/Reporter.h"
#include "parser/EditLog.h"
#include "parser/StoryStore.h"

namespace morvane {

// The last entry of seznamknihoven named exactly `name`.
std::optional<std::size_t> FindLibrary(const StoryStore& store, const std::string& name);

// Reads library `name` (its lines joined without line breaks), appends it to
// seznamknihoven and returns its index. A library that can't be read becomes
// the text "Nenalezena knihovna NAME !!!!", shown once as a message (a
// damaged scrambled one has had its own message), so a story goes on without it.
std::size_t LoadLibrary(StoryStore& store, Reporter& reporter, const std::string& name);

// FindLibrary, or LoadLibrary when it isn't loaded yet.
std::size_t UseLibrary(StoryStore& store, Reporter& reporter, const std::string& name);

// Whether the text holds anything written like a library directive.
bool HasLibraryDirective(std::string_view text);

// Replaces every library directive in `text` by the library's text, round by
// round (always the first directive left), until none is left; returns the
// number of replacements. A directive that can never be replaced (blanks
// inside it, no ";" after it) or a library that includes itself, directly or
// through others, is left in the text and reported once, and the expansion
// goes on past it.
// The expansion's runs go to `log` when one is given.
std::size_t ExpandLibraries(StoryStore& store, Reporter& reporter, std::string& text,
                            EditLog* log = nullptr);

}  // namespace morvane
