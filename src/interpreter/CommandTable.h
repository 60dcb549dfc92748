#pragma once
// The script commands: every tag name the interpreter knows, with its
// internal number and the one function that runs it.
#include <cstdint>
#include <span>
#include <string_view>

#include "parser/Command.h"

namespace morvane {

struct Game;

// A handler receives the tag with its attributes already substituted; it
// walks them in the written order.
using CommandHandler = void (*)(Game& game, const tagg& tag);

struct CommandEntry {
    std::string_view name;  // upper case, as the scan delivers it
    std::int32_t number;    // the command's selector; two names may share one
    CommandHandler handler;  // nullptr: known, but run by a part not built in
    // The attributes the handler reads, as "NAME:kind/capacity" words (kind
    // and capacity optional): "#kind=kind" stands for attributes named by a
    // number (what the number and the value name), "*=kind" for attributes
    // whose names are not read at all. The kinds are those the authoring
    // check knows (lokace, zbran, kostka ...); capacities name a stored text.
    std::string_view atributy;
};

// The entry of a tag name, or nullptr for a name no command has.
const CommandEntry* FindCommand(std::string_view name);

// Every entry, in selector order (for traces and tests).
std::span<const CommandEntry> AllCommands();

// Whether the command's layout names attribute `attribute` itself.
bool NamesAttribute(const CommandEntry& entry, std::string_view attribute);

// Whether the command reads attribute `attribute` (upper case): the others
// are skipped when it runs.
bool ReadsAttribute(const CommandEntry& entry, std::string_view attribute);

}  // namespace morvane
