#include "character/AttributeCommands.h"

#include <string>
#include <string_view>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "character/HeroEffects.h"
#include "game/Game.h"
#include "interpreter/Info.h"
#include "parser/Effect.h"

namespace morvane {
namespace {

enum class Change { None, Plus, Minus, Je };

Change ChangeOf(const param& p) {
    if (p.nazev == "PLUS") return Change::Plus;
    if (p.nazev == "MINUS") return Change::Minus;
    if (p.nazev == "JE") return Change::Je;
    return Change::None;
}

// Calls apply(change, p, v) for each PLUS, MINUS (and, `withJe`, JE) parameter
// in order, v being its value; any other parameter's value is not read.
template <class Apply>
void ForEachChange(const tagg& tag, bool withJe, Apply apply) {
    for (const param& p : tag.parametry) {
        const Change change = ChangeOf(p);
        if (change == Change::None || (change == Change::Je && !withJe)) continue;
        apply(change, p, toInteger(p.hodnota));
    }
}

// One message line in its colour; the repaint is the caller's, since some
// commands repaint once for all their attributes.
void Say(Game& game, const std::string& text, std::string_view colour) {
    AddInfo(game, text);
    SetInfoColour(game, colour);
}

// The end of every command that may move hit points or mana past a limit.
void Finish(Game& game) {
    MakeHistory(game);
    ClampHitPointsAndMana(game);
}

// An attribute that a command simply raises, lowers or sets. The texts are
// UTF-8 and exact, blanks included: the messages are followed by the value.
struct PlainAttribute {
    std::int32_t postava::*field;
    std::string_view plus, minus, je;
    std::string_view colour;
};

void ChangePlain(Game& game, const tagg& tag, const PlainAttribute& a) {
    ForEachChange(tag, true, [&](Change change, const param& p, std::int32_t v) {
        std::int32_t& field = game.hrac.*a.field;
        if (change == Change::Plus) {
            field = wrapAdd(field, v);
            Say(game, cz(a.plus) + p.hodnota, a.colour);
        } else if (change == Change::Minus) {
            field = wrapSub(field, v);
            Say(game, cz(a.minus) + p.hodnota, a.colour);
        } else {
            field = v;
            Say(game, cz(a.je) + p.hodnota, a.colour);
        }
    });
    Finish(game);
}

// Hit points or mana: a value with its maximum. Restoring says how much was
// actually restored up to the maximum (the fight bonus is not counted in the
// message, only in the limit check that follows).
struct Pool {
    std::int32_t postava::*current;
    std::int32_t postava::*maximum;
    std::string_view unit;  // " životů!" or " many!"
    std::string_view colour;
};

void ChangePool(Game& game, const tagg& tag, const Pool& pool) {
    ForEachChange(tag, true, [&](Change change, const param& p, std::int32_t v) {
        std::int32_t& current = game.hrac.*pool.current;
        const std::int32_t maximum = game.hrac.*pool.maximum;
        if (change == Change::Plus) {
            const bool capped = wrapAdd(current, v) > maximum;
            const std::string amount = capped ? toText(wrapSub(maximum, current)) : p.hodnota;
            Say(game, cz("Obnovil sis ") + amount + cz(pool.unit), pool.colour);
            current = wrapAdd(current, v);
        } else if (change == Change::Minus) {
            current = wrapSub(current, v);
            Say(game, cz("Ztratil jsi ") + p.hodnota + cz(pool.unit), pool.colour);
        } else {
            current = v;
            Say(game, cz("Máš ") + p.hodnota + cz(pool.unit), pool.colour);
        }
    });
    Finish(game);
}

}  // namespace

void cmdPenize(Game& game, const tagg& tag) {
    postava& hrac = game.hrac;
    ForEachChange(tag, false, [&](Change change, const param& p, std::int32_t v) {
        if (change == Change::Plus) {
            hrac.penize = wrapAdd(hrac.penize, v);
            Say(game, cz("Získal jsi ") + p.hodnota + " " + game.mena, "yellow");
        } else {
            Say(game, v >= hrac.penize ? cz("Ztratil jsi veškeré peníze!")
                                       : cz("Ztratil jsi ") + p.hodnota + " " + game.mena,
                "red");
            hrac.penize = wrapSub(hrac.penize, v);
            if (hrac.penize < 0) hrac.penize = 0;
        }
        MakeHistory(game);
    });
}

void cmdZkusenosti(Game& game, const tagg& tag) {
    postava& hrac = game.hrac;
    ForEachChange(tag, false, [&](Change change, const param& p, std::int32_t v) {
        // Experience may go below 0: then no training is offered until it is earned back.
        if (change == Change::Plus) {
            hrac.zkusenosti = wrapAdd(hrac.zkusenosti, v);
            Say(game, cz("Získal jsi ") + p.hodnota + cz(" zkušenostních bodů!"), "aqua");
        } else {
            hrac.zkusenosti = wrapSub(hrac.zkusenosti, v);
            Say(game, cz("Ztratil jsi ") + p.hodnota + cz(" zkušenostních bodů!"), "red");
        }
        MakeHistory(game);
    });
}

void cmdZivoty(Game& game, const tagg& tag) {
    ChangePool(game, tag, {&postava::zivoty, &postava::maxzivoty, " životů!", "red"});
}

void cmdMana(Game& game, const tagg& tag) {
    ChangePool(game, tag, {&postava::mana, &postava::maxmana, " many!", "aqua"});
}

void cmdMaxZivoty(Game& game, const tagg& tag) {
    ChangePlain(game, tag,
                {&postava::maxzivoty, "Tvá maximální úroveň životů se zvýšila o  ",
                 "Tvá maximální úroveň životů se snížila o  ", "Tvá maximální úroveň životů je ",
                 "lime"});
}

void cmdMaxMana(Game& game, const tagg& tag) {
    ChangePlain(game, tag,
                {&postava::maxmana, "Tvá maximální úroveň many se zvýšila o  ",
                 "Tvá maximální úroveň many se snížila o  ", "Tvá maximální úroveň many je  ",
                 "blue"});
}

void cmdSila(Game& game, const tagg& tag) {
    ChangePlain(game, tag,
                {&postava::sila, "Tvá síla se zvýšila o  ", "Tvá síla se snížila o  ",
                 "Tvá síla je ", "lime"});
}

void cmdObratnost(Game& game, const tagg& tag) {
    ChangePlain(game, tag,
                {&postava::obratnost, "Tvá obratnost se zvýšila o  ",
                 "Tvá obratnost se snížila o  ", "Tvá obratnost je ", "white"});
}

void cmdRychlost(Game& game, const tagg& tag) {
    ChangePlain(game, tag,
                {&postava::rychlost, "Tvá rychlost se zvýšila o  ", "Tvá rychlost se snížila o  ",
                 "Tvá rychlost je ", "aqua"});
}

void cmdEnergie(Game& game, const tagg& tag) {
    // Only this "snížila o" text has a single blank before the value.
    ChangePlain(game, tag,
                {&postava::energie, "Tvá energie se zvýšila o  ", "Tvá energie se snížila o ",
                 "Tvá energie je ", "fuchsia"});
}

}  // namespace morvane
