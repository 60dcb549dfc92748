#include "character/ItemUse.h"

#include <string_view>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "character/EntryTexts.h"
#include "character/HeroEffects.h"
#include "game/Game.h"
#include "parser/Effect.h"

namespace morvane {
namespace {

// Attributes that an item raises or lowers by its amount, with the two messages.
struct PlainAttribute {
    std::string_view nazev;
    std::int32_t postava::*field;
    std::string_view raised;
    std::string_view lowered;
    bool checkWhenLowered;  // a lower maximum of hit points may cut them, or kill
};

constexpr PlainAttribute kPlain[] = {
    {"maxzivoty", &postava::maxzivoty, "Zvýšila se ti hranice životů o ",
     "Snížila se ti hranice životů o ", true},
    {"maxmana", &postava::maxmana, "Zvýšila se ti hladina many o ", "Snížila se ti hladina many o ",
     false},
    {"sila", &postava::sila, "Zvýšila se ti síla o ", "Snížila se ti síla o ", false},
    {"obratnost", &postava::obratnost, "Zvýšila se ti obratnost o ", "Snížila se ti obratnost o ",
     false},
    {"rychlost", &postava::rychlost, "Zvýšila se ti rychlost o ", "Snížila se ti rychlost o ",
     false},
    {"energie", &postava::energie, "Zvýšila se ti energie o ", "Snížila se ti energie o ", false},
};

void say(std::string& report, const std::string& text) { report += text + kTextBreak; }

// Raises a value by `amount`, no higher than `maximum` (a value already above
// it drops to it); answers the change.
std::int32_t heal(std::int32_t& value, std::int32_t amount, std::int32_t maximum) {
    const std::int32_t before = value;
    value = wrapAdd(value, amount);
    if (value > maximum) value = maximum;
    return wrapSub(value, before);
}

bool applyPlain(Game& game, const efekt& e, std::string& report) {
    for (const PlainAttribute& a : kPlain) {
        if (e.nazev.view() != a.nazev) continue;
        std::int32_t& value = game.hrac.*a.field;
        const std::string amount = toText(e.hodnota);
        if (e.operace == '+') {
            value = wrapAdd(value, e.hodnota);
            say(report, cz(a.raised) + amount);
        } else if (e.operace == '-') {
            value = wrapSub(value, e.hodnota);
            say(report, cz(a.lowered) + amount);
            if (a.checkWhenLowered) ClampHitPointsAndMana(game);
        }
        return true;
    }
    return false;
}

void applyHitPoints(Game& game, const efekt& e, std::string& report) {
    postava& hrac = game.hrac;
    if (e.operace == '+') {
        const std::int32_t healed = heal(hrac.zivoty, e.hodnota, hrac.maxzivoty);
        say(report, cz("Vyléčil sis ") + toText(healed) + cz(" životy"));
    } else if (e.operace == '-') {
        hrac.zivoty = wrapSub(hrac.zivoty, e.hodnota);
        say(report, cz("Ztratil jsi ") + toText(e.hodnota) + cz(" životy"));
        ClampHitPointsAndMana(game);
    }
}

// Mana may go below 0 here: only the hit-point effects run the limit check.
void applyMana(Game& game, const efekt& e, std::string& report) {
    postava& hrac = game.hrac;
    if (e.operace == '+') {
        const std::int32_t restored = heal(hrac.mana, e.hodnota, hrac.maxmana);
        say(report, "Obnovil sis " + toText(restored) + " many.");
    } else if (e.operace == '-') {
        hrac.mana = wrapSub(hrac.mana, e.hodnota);
        say(report, "Ztratil jsi " + toText(e.hodnota) + " many.");
    }
}

void applyVariable(Game& game, const efekt& e, std::string& report) {
    const std::string change = ApplyVariableEffect(game, e);
    if (change.empty() || game.stavhry.vypisujpromenne <= 0) return;
    say(report, "$" + toText(e.cislo) + change);
}

}  // namespace

void ApplyItemEffect(Game& game, const efekt& effect, std::string& report) {
    const std::string_view nazev = effect.nazev.view();
    if (applyPlain(game, effect, report)) return;
    if (nazev == "zivoty") {
        applyHitPoints(game, effect, report);
    } else if (nazev == "mana") {
        applyMana(game, effect, report);
    } else if ((nazev == "xp" || nazev == "zkusenosti") && effect.operace == '+') {
        game.hrac.zkusenosti = wrapAdd(game.hrac.zkusenosti, effect.hodnota);
        say(report, cz("Získal jsi ") + toText(effect.hodnota) + " XP!");
    } else if (nazev == "promenna") {
        applyVariable(game, effect, report);
    }
}

}  // namespace morvane
