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
};

// The entry of a tag name, or nullptr for a name no command has.
const CommandEntry* FindCommand(std::string_view name);

// Every entry, in selector order (for traces and tests).
std::span<const CommandEntry> AllCommands();

}  // namespace morvane
