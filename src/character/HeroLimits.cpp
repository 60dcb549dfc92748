#include "base/GameEnded.h"
#include "base/Numbers.h"
#include "character/HeroEffects.h"
#include "game/Game.h"

namespace morvane {

void ClampHitPointsAndMana(Game& game) {
    postava& hrac = game.hrac;
    const std::int32_t manaLimit = wrapAdd(hrac.maxmana, game.bonusy.maxmana);
    if (hrac.mana > manaLimit) hrac.mana = manaLimit;
    const std::int32_t lifeLimit = wrapAdd(hrac.maxzivoty, game.bonusy.maxzivoty);
    if (hrac.zivoty > lifeLimit) hrac.zivoty = lifeLimit;
    // Hit points are not raised to 0: a negative value is what killed the hero.
    if (hrac.zivoty < 1) {
        game.frontend.showDeath();
        throw GameEnded{};
    }
    if (hrac.mana < 0) hrac.mana = 0;
}

}  // namespace morvane
