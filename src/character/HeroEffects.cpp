#include "character/HeroEffects.h"

#include <string>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "game/Game.h"

namespace morvane {

std::int32_t postava::*TrainableAttribute(std::string_view nazev) {
    if (nazev == "maxzivoty") return &postava::maxzivoty;
    if (nazev == "maxmana") return &postava::maxmana;
    if (nazev == "sila") return &postava::sila;
    if (nazev == "obratnost") return &postava::obratnost;
    if (nazev == "rychlost") return &postava::rychlost;
    if (nazev == "energie") return &postava::energie;
    return nullptr;
}

namespace {

void changeAttribute(Game& game, const efekt& effect, char operace) {
    const auto field = TrainableAttribute(effect.nazev.view());
    if (field == nullptr) return;
    std::int32_t& value = game.hrac.*field;
    if (operace == '+') value = wrapAdd(value, effect.hodnota);
    if (operace == '-') value = wrapSub(value, effect.hodnota);
}

}  // namespace

void ApplyEffect(Game& game, const efekt& effect) {
    changeAttribute(game, effect, effect.operace);
}

void UndoEffect(Game& game, const efekt& effect) {
    // Only "+" and "-" changed anything, so only they are reversed.
    if (effect.operace == '+') changeAttribute(game, effect, '-');
    if (effect.operace == '-') changeAttribute(game, effect, '+');
}

std::string ApplyVariableEffect(Game& game, const efekt& e) {
    if (e.cislo < 1 || e.cislo > kIntegerVariables) return {};
    std::int32_t& value = game.stavhry.promenne[e.cislo - 1];
    if (e.operace == '+') {
        value = wrapAdd(value, e.hodnota);
        return cz(" se zvýšila o ") + toText(e.hodnota) + " na " + toText(value);
    }
    if (e.operace == '-') {
        value = wrapSub(value, e.hodnota);
        return cz(" se snížila o ") + toText(e.hodnota) + " na " + toText(value);
    }
    if (e.operace == '=') {
        value = e.hodnota;
        return cz(" se změnila na ") + toText(value);
    }
    return {};
}

}  // namespace morvane
