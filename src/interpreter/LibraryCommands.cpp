#include "interpreter/LibraryCommands.h"

#include <optional>

#include "base/Win1250.h"
#include "game/Game.h"
#include "parser/Libraries.h"

namespace morvane {
namespace {

// "VYBRAT"/"JMENO" choose the library, "PROVADET" "ANO"/"NE" (any case)
// switch it on or off; it applies from the next location on.
void SelectSurroundingLibrary(Game& game, const tagg& tag, std::optional<std::size_t>& library,
                              std::uint8_t& zapnut) {
    for (const param& p : tag.parametry) {
        if (p.nazev == "VYBRAT" || p.nazev == "JMENO") {
            library = UseLibrary(game.pribeh, game.frontend, p.hodnota);
        } else if (p.nazev == "PROVADET") {
            const std::string value = upperCase(p.hodnota);
            if (value == "ANO")
                zapnut = 1;
            else if (value == "NE")
                zapnut = 0;
        }
    }
}

}  // namespace

void cmdPrefix(Game& game, const tagg& tag) {
    SelectSurroundingLibrary(game, tag, game.pribeh.prefix, game.stavhry.prefixzapnut);
}

void cmdSuffix(Game& game, const tagg& tag) {
    SelectSurroundingLibrary(game, tag, game.pribeh.suffix, game.stavhry.suffixzapnut);
}

// "PRESMERUJ": "JMENO" names the library whose text becomes the story from
// the next location on; without it the game's own story comes back.
void cmdPresmeruj(Game& game, const tagg& tag) {
    std::optional<std::size_t> library;
    for (const param& p : tag.parametry) {
        if (p.nazev == "JMENO") library = UseLibrary(game.pribeh, game.frontend, p.hodnota);
    }
    if (!library) {
        // Forget the redirect too, so a position saved from now on doesn't
        // bring the library text back when it is loaded.
        game.stavhry.knihovna.assign("");
        RestoreOriginalStory(game.pribeh);
        return;
    }
    const TMyPlugin& lib = game.pribeh.seznamknihoven[*library];
    // A library that can't be read stands in the list as its error text (the
    // player has seen it); a story of that text has no locations, so the game
    // keeps the story it has.
    if (lib.obsah == "Nenalezena knihovna " + lib.nazev + " !!!!") return;
    game.stavhry.knihovna.assign(lib.nazev);
    ReplaceStory(game.pribeh, lib.obsah);
}

}  // namespace morvane
