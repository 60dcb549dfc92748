#pragma once
// The story text with its include libraries and constants: read once per run,
// rewritten in place as libraries and constants are expanded, and cut into
// locations on demand.
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "parser/GameFiles.h"
#include "parser/LocationIndex.h"
#include "parser/EditLog.h"

namespace morvane {

// A named text: an include library (its name as written in the directive and
// its text with the line breaks dropped) or a constant (the text to look for
// and the text that replaces it).
struct TMyPlugin {
    std::string nazev;
    std::string obsah;
};

// What the store remembers about `skript` between location loads. Once an
// expansion pass has changed nothing, later passes can change nothing either
// (until the constants or the story change), so they are skipped and the
// location markers are looked up in an index instead of the text.
struct StoryCache {
    bool settled = false;
    std::size_t settledSize = 0;  // a story of another size was changed behind our back
    LocationIndex markers;
    // Constants whose value brings back their own name (directly or through
    // other constants) are applied in one pass only: applied again at every
    // load they would grow the story without end. Set once that pass is done.
    bool cyclicConstantsApplied = false;
    std::vector<bool> cyclicConstants;  // which they are, found once per constants list
    // Passes in a row that changed the story: a story that keeps changing
    // feeds itself through libraries and constants together.
    std::size_t changingPasses = 0;
    std::size_t grownFrom = 0;  // the story's size before the first of them
    // An expansion stopped at ExpansionLimit: the story is taken as it is.
    bool limitReached = false;
    // Library directives that can never be expanded, and the reports already
    // made about them: each problem is reported once per run.
    std::set<std::string> cyclic;
    std::set<std::string> reported;
};

struct StoryStore {
    GameFiles soubory;

    // The story, read once per run and kept, with its expansions, for later
    // games of the same run. Change it only through ReplaceStory.
    std::string skript;
    bool nacteno = false;
    // The story as first read, before any expansion: what a redirect back to
    // the game's own story restores (OriginalStory). Kept apart only once
    // `skript` is about to change: a story that nothing changes is held once.
    std::string puvodniskript;
    bool puvodniOddelen = false;  // puvodniskript holds it; else skript is it

    // Made anew at each start of a game (ResetGameLists); they only grow
    // during a game.
    std::vector<TMyPlugin> seznamknihoven;
    std::vector<TMyPlugin> seznamkonstant;
    // Entries of seznamknihoven put before or after every location's source.
    std::optional<std::size_t> prefix;
    std::optional<std::size_t> suffix;
    // The location loaded last holds "#noprefix;" or "#nosuffix;".
    bool bezprefixu = false;
    bool bezsuffixu = false;

    StoryCache cache;
    // Where an authoring tool wants the story's expansions written down;
    // play keeps none.
    EditLog* zmeny = nullptr;
};

// Forgets what was learned about the story: the next load expands it again.
void UnsettleStory(StoryStore& store);

// The start of a game: empty library and constant lists, no prefix or suffix.
// The story text stays.
void ResetGameLists(StoryStore& store);

// Makes the text the story as read (or forgets the story, given nothing).
void SetOriginalStory(StoryStore& store, std::string text);

// The story as first read.
const std::string& OriginalStory(const StoryStore& store);

// Sets the story as read apart before `skript` changes.
void KeepOriginalStory(StoryStore& store);

// Puts another text in place of the story (a redirect to a library); its
// libraries and constants are expanded when the next location is loaded.
void ReplaceStory(StoryStore& store, std::string text);

// Makes the story as read the story again (a redirect back to it).
void RestoreOriginalStory(StoryStore& store);

// The size past which libraries and constants stop expanding a text now
// `size` bytes long: three times the story before its first expansion (or
// the text, outside the story's passes), and at least 16 MB more. Real
// stories grow far less; expansions that feed each other, or chains that
// double at every link, end there with a report, however many passes they
// take, and the work they cost stays bounded by the story's size.
std::size_t ExpansionLimit(const StoryStore& store, std::size_t size);

// The library an index of seznamknihoven names; nothing for a stale index.
const TMyPlugin* libraryAt(const StoryStore& store, std::optional<std::size_t> index);

}  // namespace morvane
