#pragma once
// Cutting one location's source out of the story: everything from the marker
// "<N>" up to the marker "<N+1>" (or the end of the story), with the prefix
// and suffix libraries around it.
#include <cstdint>
#include <string>

#include "base/Reporter.h"
#include "parser/StoryStore.h"

namespace morvane {

// Reads data/data.vrn into skript, once per run. A story that is missing or
// fails its check is reported and nothing is read; the next location load
// tries again.
bool ReadStory(StoryStore& store, Reporter& reporter);

// Whether the story (read on first use, its libraries and constants
// expanded) has the marker of location n.
bool HasLocation(StoryStore& store, Reporter& reporter, std::int32_t n);

// The source of location n, starting with its own marker, for the caller to
// scan into command records (and to reset its condition stack before).
// Reads the story on first use and expands its libraries and constants.
// Shows "Nenalezeno lokace <n>" (empty source) when the marker is missing and
// "Chybné pořadí lokací!" (empty source, prefix and suffix still added) when
// the next location's marker stands before it. Sets bezprefixu and
// bezsuffixu from "#noprefix;" and "#nosuffix;" in the cut source.
std::string LoadLocationSource(StoryStore& store, Reporter& reporter, std::int32_t n,
                               bool prefixzapnut, bool suffixzapnut);

}  // namespace morvane
