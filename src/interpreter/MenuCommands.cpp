#include "interpreter/MenuCommands.h"

#include "base/Numbers.h"
#include "game/Game.h"
#include "interpreter/Info.h"
#include "shell/Colour.h"

namespace morvane {

polozkamenu* AddMenuItem(Game& game) {
    std::int32_t& count = game.stavhry.pocetpolozek;
    if (count < 0 || count >= kMenuItems) return nullptr;
    polozkamenu& item = game.stavhry.menu[count++];
    // An item that names no text is shown empty, never with what the slot
    // held in an earlier location.
    item.text.assign("");
    item.cil = 0;
    item.barva = game.stavhry.barvamenu;
    return &item;
}

// "MENU"/"M": one item; "T"/"POPIS" its text, "X"/"ODKAZ" its target,
// "BARVA" its colour. A target of 0 or less makes a plain line.
void cmdMenu(Game& game, const tagg& tag) {
    polozkamenu* item = AddMenuItem(game);
    if (!item) return;
    for (const param& p : tag.parametry) {
        if (p.nazev == "T" || p.nazev == "POPIS")
            item->text.assign(p.hodnota);
        else if (p.nazev == "X" || p.nazev == "ODKAZ")
            item->cil = toInteger(p.hodnota);
        else if (p.nazev == "BARVA")
            item->barva = ParseColour(p.hodnota);
    }
}

// "ZMENOTAZKU": "TEXT"/"OTAZKA" the heading's text, "BARVA" its colour.
void cmdZmenOtazku(Game& game, const tagg& tag) {
    for (const param& p : tag.parametry) {
        if (p.nazev == "TEXT" || p.nazev == "OTAZKA") {
            game.stavhry.otazka.assign(p.hodnota);
            game.okno.headingByLength = true;
        } else if (p.nazev == "BARVA")
            game.stavhry.barvaotazky = ParseColour(p.hodnota);
    }
}

// "VYCHOZIBARVATEXTU": "BARVA", the colour of later text blocks.
void cmdVychoziBarvaTextu(Game& game, const tagg& tag) {
    for (const param& p : tag.parametry) {
        if (p.nazev == "BARVA") game.stavhry.barvatextu = ParseColour(p.hodnota);
    }
}

// "VYCHOZIBARVAMENU": "BARVA", the colour of later menu items.
void cmdVychoziBarvaMenu(Game& game, const tagg& tag) {
    for (const param& p : tag.parametry) {
        if (p.nazev == "BARVA") game.stavhry.barvamenu = ParseColour(p.hodnota);
    }
}

void cmdZapniCislaLokaci(Game& game, const tagg&) { game.stavhry.cislalokaci = 1; }
void cmdVypniCislaLokaci(Game& game, const tagg&) { game.stavhry.cislalokaci = 0; }

// "INFO": every "OBSAH" becomes a line, then "COLOR"/"BARVA" colour the
// newest line (also while the lines take no new text).
void cmdInfo(Game& game, const tagg& tag) {
    for (const param& p : tag.parametry) {
        if (p.nazev == "OBSAH") AddInfo(game, p.hodnota);
    }
    for (const param& p : tag.parametry) {
        if (p.nazev == "COLOR" || p.nazev == "BARVA") SetInfoColour(game, p.hodnota);
    }
    MakeHistory(game);
}

void cmdSmazatInfo(Game& game, const tagg&) {
    for (int i = 0; i < kInfoLines; ++i) AddInfo(game, "");
    MakeHistory(game);
}

void cmdZapniInfo(Game& game, const tagg&) { game.infozapnuto = true; }
void cmdVypniInfo(Game& game, const tagg&) { game.infozapnuto = false; }

}  // namespace morvane
