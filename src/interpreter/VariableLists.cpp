// The two ways a script shows all its variables at once: a fixed-width table
// on the page, and two text files for the game's author.
#include <string>

#include "base/Files.h"
#include "base/Numbers.h"
#include "base/ScriptError.h"
#include "game/Game.h"
#include "game/GameFolders.h"
#include "interpreter/PageCommands.h"
#include "interpreter/VariableCommands.h"

namespace morvane {
namespace {

constexpr const char* kLineEnd = "\r\n";

std::int32_t ValueOf(const Game& game, std::int32_t n) { return game.stavhry.promenne[n - 1]; }

// The page takes the list as one more text block, unwrapped, in the page's
// text colour and a fixed-width font so that its columns line up.
void AddListBlock(Game& game, std::string text) {
    PageText block;
    block.text = std::move(text);
    block.barva = game.stavhry.barvatextu;
    block.pevnasirka = true;
    AddTextBlock(game, std::move(block));
}

}  // namespace

std::string VariableFileText(const Game& game, bool nonZeroOnly) {
    std::string text;
    for (std::int32_t n = 1; n <= kIntegerVariables; ++n) {
        if (nonZeroOnly && ValueOf(game, n) == 0) continue;
        text += "$" + toText(n) + " = " + toText(ValueOf(game, n)) + kLineEnd;
    }
    text += kLineEnd + std::string(35, '*') + kLineEnd + kLineEnd;
    // The second half is ready script: each line sets its variable back.
    for (std::int32_t n = 1; n <= kIntegerVariables; ++n) {
        if (nonZeroOnly && ValueOf(game, n) == 0) continue;
        text += "<promenna " + toText(n) + "=\"" + toText(ValueOf(game, n)) + "\">" + kLineEnd;
    }
    return text;
}

namespace {

void WriteListFile(const Game& game, const char* name, bool nonZeroOnly) {
    if (!writeFileAtomically(PlayerFileToWrite(game.gameFolder(), name),
                             VariableFileText(game, nonZeroOnly))) {
        throw ScriptError(std::string("Cannot create file ") + name);
    }
}

}  // namespace

std::string VariableListText(const Game& game) {
    std::string text;
    for (std::int32_t n = 1; n <= kIntegerVariables; ++n) {
        // The name padded to 4 characters; the value followed by three blanks and
        // padded to 4 (a negative value always gets all three extra blanks).
        text += "$" + toText(n);
        if (n < 10) text += ' ';
        if (n < 100) text += ' ';
        const std::int32_t value = ValueOf(game, n);
        text += " = " + toText(value) + "   ";
        if (value < 10) text += ' ';
        if (value < 100) text += ' ';
        if (value < 1000) text += ' ';
        if (n % 4 == 0) text += '\r';
        if (n % 100 == 0) text += '\r';
    }
    return text;
}

void cmdSeznamPromennych(Game& game, const tagg&) { AddListBlock(game, VariableListText(game)); }

void cmdSeznamPromennychSoubor(Game& game, const tagg&) {
    WriteListFile(game, kAllVariablesFile, false);
    WriteListFile(game, kNonZeroVariablesFile, true);
}

}  // namespace morvane
