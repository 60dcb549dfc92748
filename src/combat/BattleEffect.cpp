#include "combat/BattleEffect.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "character/HeroEffects.h"
#include "combat/BattleConditions.h"
#include "combat/BattleRound.h"
#include "game/Game.h"
#include "parser/Effect.h"

namespace morvane {
namespace {

// A value that '+' raises and '-' lowers without limits, with its two reports.
struct PlainRow {
    std::string_view nazev;
    std::int32_t* (*target)(Game&);
    std::string_view raised;
    std::string_view lowered;
};

constexpr PlainRow kPlainRows[] = {
    {"maxzivoty", [](Game& g) { return &g.bonusy.maxzivoty; },
     "Tvůj maximální počet životů se zvýšil o ", "Tvůj maximální počet životů se snížil o "},
    {"maxmana", [](Game& g) { return &g.bonusy.maxmana; },
     "Tvoje maximální úroveň many se zvýšila o ", "Tvoje maximální úroveň many se snížila o "},
    {"utok", [](Game& g) { return &g.bonusy.utok; }, "Tvůj útok se zvýšil o ",
     "Tvůj útok se snížil o "},
    {"obrana", [](Game& g) { return &g.bonusy.obrana; }, "Tvoje obrana se zvýšila o ",
     "Tvoje obrana se snížila o "},
    {"tvrdost", [](Game& g) { return &g.bonusy.tvrdost; }, "Tvoje tvrdost se zvýšila o ",
     "Tvoje tvrdost se snížila o "},
    {"poskozeni", [](Game& g) { return &g.bonusy.poskozeni; },
     "Tebou uštědřované poškození se zvýšilo o ", "Tebou uštědřované poškození se snížilo o "},
    {"energie", [](Game& g) { return &g.hrac.energievsouboji; }, "Tvá energie se zvýšila o ",
     "Tvá energie se snížila o "},
    {"rychlost", [](Game& g) { return &g.bonusy.rychlost; }, "Tvoje rychlost se zvýšila o ",
     "Tvoje rychlost se snížila o "},
    {"nutok", [](Game& g) { return &g.nepritel.utok.bonus; }, "Nepříteli se zvýšil útok o ",
     "Nepříteli se snížil útok o "},
    {"ntvrdost", [](Game& g) { return &g.nepritel.tvrdost; }, "Nepříteli se zvýšila tvrdost o ",
     "Nepříteli se snížila tvrdost o "},
    {"nposkozeni", [](Game& g) { return &g.nepritel.poskozeni; },
     "Nepříteli se zvýšilo způsobované poškození o ",
     "Nepříteli se snížilo způsobované poškození o "},
};

void report(Game& game, std::string_view before, std::int32_t n, std::string_view after = {}) {
    game.souboj.screen.Summary2 += cz(before) + toText(n) + cz(after) + kLineBreak;
}

// Raises `value` by `amount`, but not past `limit`. A value already above the
// limit is left as it is: healing never takes hit points away. Returns the
// amount gained.
std::int32_t heal(std::int32_t& value, std::int32_t amount, std::int32_t limit) {
    const std::int64_t target = std::min<std::int64_t>(std::int64_t{value} + amount, limit);
    if (target <= value) return 0;
    const auto gained = static_cast<std::int32_t>(target - value);
    value = static_cast<std::int32_t>(target);
    return gained;
}

bool applyPlain(Game& game, const efekt& e) {
    for (const PlainRow& row : kPlainRows) {
        if (e.nazev.view() != row.nazev) continue;
        std::int32_t& value = *row.target(game);
        if (e.operace == '+') {
            value = wrapAdd(value, e.hodnota);
            report(game, row.raised, e.hodnota);
        } else if (e.operace == '-') {
            value = wrapSub(value, e.hodnota);
            report(game, row.lowered, e.hodnota);
        }
        return true;
    }
    return false;
}

void applyHitPoints(Game& game, const efekt& e) {
    postava& hrac = game.hrac;
    if (e.operace == '+') {
        const std::int32_t limit = wrapAdd(hrac.maxzivoty, game.bonusy.maxzivoty);
        report(game, "Vyléčil sis ", heal(hrac.zivoty, e.hodnota, limit), " životy");
    } else if (e.operace == '-') {
        hrac.zivoty = wrapSub(hrac.zivoty, e.hodnota);
        report(game, "Ztratil jsi ", e.hodnota, " životy");
        // Even in a fight the hero cannot die in, a wound from an effect kills.
        ClampHitPointsAndMana(game);
    }
}

void applyMana(Game& game, const efekt& e) {
    postava& hrac = game.hrac;
    if (e.operace == '+') {
        const std::int32_t limit = wrapAdd(hrac.maxmana, game.bonusy.maxmana);
        report(game, "Obnovil sis ", heal(hrac.mana, e.hodnota, limit), " many");
    } else if (e.operace == '-') {
        hrac.mana = std::max(wrapSub(hrac.mana, e.hodnota), 0);
        report(game, "Ztratil jsi ", e.hodnota, " many");
    }
}

void applyEnemyHitPoints(Game& game, const efekt& e) {
    enemy& nepritel = game.nepritel;
    if (e.operace == '+') {
        report(game, "Nepřítel si obnovil ", heal(nepritel.zivoty, e.hodnota, nepritel.maxzivoty),
               " životů");
    } else if (e.operace == '-') {
        nepritel.zivoty = wrapSub(nepritel.zivoty, e.hodnota);
        report(game, "Nepřítel ztratil ", e.hodnota, " životů");
    }
    CheckEnemyDefeated(game);
}

// Defence cannot be lowered below 0; a defence that already is below 0 is
// not raised by lowering it.
void applyEnemyDefence(Game& game, const efekt& e) {
    std::int32_t& obrana = game.nepritel.obrana;
    if (e.operace == '+') {
        obrana = wrapAdd(obrana, e.hodnota);
        report(game, "Nepříteli se zvýšila obrana o ", e.hodnota);
    } else if (e.operace == '-') {
        const std::int32_t before = obrana;
        const std::int64_t lowered = std::int64_t{before} - e.hodnota;
        obrana = lowered < 0 ? std::min(before, 0) : static_cast<std::int32_t>(lowered);
        report(game, "Nepříteli se snížila obrana o ", wrapSub(before, obrana));
    }
}

void applyVariable(Game& game, const efekt& e) {
    const std::string change = ApplyVariableEffect(game, e);
    if (change.empty() || game.stavhry.vypisujpromenne <= 0) return;
    game.souboj.screen.Summary2 += cz("(d.) Proměnná $") + toText(e.cislo) + change + kLineBreak;
}

}  // namespace

void ApplyBattleEffect(Game& game, const efekt& effect) {
    std::string& summary = game.souboj.screen.Summary2;
    if (!summary.empty()) summary += kLineBreak;
    const std::string_view nazev = effect.nazev.view();
    if (applyPlain(game, effect)) return;
    if (nazev == "zivoty") {
        applyHitPoints(game, effect);
    } else if (nazev == "mana") {
        applyMana(game, effect);
    } else if (nazev == "nzivoty") {
        applyEnemyHitPoints(game, effect);
    } else if (nazev == "nobrana") {
        applyEnemyDefence(game, effect);
    } else if (nazev == "promenna") {
        applyVariable(game, effect);
    }
}

void ApplyBattleEffects(Game& game, const efekt* effects, std::int32_t count) {
    for (std::int32_t i = 0; i < EntryCount(count); ++i) ApplyBattleEffect(game, effects[i]);
}

}  // namespace morvane
