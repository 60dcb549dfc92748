#include "game/NewGame.h"

#include <utility>

#include "character/Equipment.h"
#include "character/Hero.h"
#include "game/ContentLoader.h"
#include "game/Game.h"
#include "interpreter/ChangeLoc.h"
#include "parser/Constants.h"

namespace morvane {
namespace {

// A game read in an earlier game of this run may have been redirected or
// expanded with that game's constants: read it again from the files.
void ForgetStory(Game& game) {
    game.pribeh.nacteno = false;
    SetOriginalStory(game.pribeh, std::string());
}

void ResetState(Game& game) {
    stavhry& s = game.stavhry;
    for (auto& value : s.promenne) value = 0;
    for (auto& text : s.retezce) text.assign("");
    s.knihovna.assign("");
    s.prefixzapnut = 0;
    s.suffixzapnut = 0;
    s.postavapovolena = 1;
    s.vybavenipovoleno = 1;
    s.pocetpolozek = 0;
    s.lokace = 1;
    s.barvamenu = kWhite;
    s.barvatextu = kWhite;
    s.barvaotazky = kWhite;
    s.otazka.assign(cz("Co uděláš?"));
    s.cislalokaci = 0;
    s.titulhry.assign(game.definice.titulhry.view());
    s.nazevhry.assign(game.definice.nazevhry.view());
}

}  // namespace

void PrepareGame(Game& game) {
    ForgetStory(game);
    ResetGameLists(game.pribeh);
    game.pribeh.soubory.nazevhry = game.definice.nazevhry.str();
    game.historie = {};
    game.infozapnuto = true;
    game.cilovalokace = 1;
    game.odlozenalokace = 0;
    game.casovac = Casovac{};
    game.okno = WindowState{};
    game.hlavni = Hlavni{};
    // Story objects have no file to be read from again: a key found in an
    // earlier game of this run must not be owned in the next one.
    game.objekty = {};
    game.pocetobjektu = 0;
    ResetState(game);
    NewGameHero(game);
    LoadConstants(game.pribeh, game.frontend);
    LoadContentTables(game);
    EquipStartingGear(game);
}

void StartNewGame(Game& game) {
    PrepareGame(game);
    // A location tried out is tried once: a later new game begins at 1.
    ApplyTryOut(game, std::exchange(game.zkouska, TryOut{}));
    Button1Click(game);
}

void KonecClick(Game& game) {
    game.pribeh.seznamknihoven.clear();
    game.pribeh.prefix.reset();
    game.pribeh.suffix.reset();
    game.audio.reset();  // destroying the player stops every sound
    game.okno.quitRequested = true;
}

}  // namespace morvane
