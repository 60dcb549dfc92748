#include "interpreter/FlowCommands.h"

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "game/Game.h"
#include "interpreter/MenuCommands.h"

namespace morvane {

// "KONEC": the program ends once control is back with the front end; the
// rest of the location and its menu still run.
void cmdKonec(Game& game, const tagg&) { game.okno.quitRequested = true; }

// "ZPET": a menu item back to the location shown before this one;
// "T"/"POPIS"/"OBSAH" replace its text.
void cmdZpet(Game& game, const tagg& tag) {
    polozkamenu* item = AddMenuItem(game);
    if (!item) return;
    item->cil = game.stavhry.predchozilokace;
    item->text.assign(cz("Zpět"));
    for (const param& p : tag.parametry) {
        if (p.nazev == "T" || p.nazev == "POPIS" || p.nazev == "OBSAH")
            item->text.assign(p.hodnota);
    }
}

// "CASOVAC": "CAS" seconds, "ODKAZ" the location run when they are over,
// "VYPISUJ" "ANO"/"NE" whether the seconds are shown. Its ticks were counted
// from the start of the location.
void cmdCasovac(Game& game, const tagg& tag) {
    // Read everything first: a bad number must not leave a countdown running
    // with half its settings.
    Casovac c = game.casovac;
    for (const param& p : tag.parametry) {
        if (p.nazev == "VYPISUJ") {
            const std::string value = upperCase(p.hodnota);
            if (value == "ANO")
                c.casovaczobrazit = true;
            else if (value == "NE")
                c.casovaczobrazit = false;
        } else if (p.nazev == "CAS") {
            c.zbyvacas = toInteger(p.hodnota);
        } else if (p.nazev == "ODKAZ") {
            c.cilcasovace = toInteger(p.hodnota);
        }
    }
    c.casovacbezi = true;
    c.label = c.casovaczobrazit ? toText(c.zbyvacas) : std::string();
    game.casovac = c;
}

void cmdZakazPostavu(Game& game, const tagg&) {
    game.stavhry.postavapovolena = 0;
    game.okno.postavaVisible = false;
}
void cmdZakazVybaveni(Game& game, const tagg&) {
    game.stavhry.vybavenipovoleno = 0;
    game.okno.vybaveniVisible = false;
}
void cmdPovolPostavu(Game& game, const tagg&) {
    game.stavhry.postavapovolena = 1;
    game.okno.postavaVisible = true;
}
void cmdPovolVybaveni(Game& game, const tagg&) {
    game.stavhry.vybavenipovoleno = 1;
    game.okno.vybaveniVisible = true;
}
void cmdZakazPostavuDocasne(Game& game, const tagg&) { game.okno.postavaVisible = false; }
void cmdZakazVybaveniDocasne(Game& game, const tagg&) { game.okno.vybaveniVisible = false; }
void cmdPovolPostavuDocasne(Game& game, const tagg&) { game.okno.postavaVisible = true; }
void cmdPovolVybaveniDocasne(Game& game, const tagg&) { game.okno.vybaveniVisible = true; }

}  // namespace morvane
