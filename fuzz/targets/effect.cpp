// Effect and modifier texts: parsed, applied, undone, applied to variables.
#include "FuzzSupport.h"
#include "base/GameEnded.h"
#include "base/ScriptError.h"
#include "parser/Effect.h"
#include "character/HeroEffects.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzGame g;  // fresh: an effect may kill the hero
    g.game.hrac.zivoty = g.game.hrac.maxzivoty = 10;
    const std::string_view text = fuzz::asText(data, size);
    try {
        const efekt effect = ParseEffect(text);
        ApplyEffect(g.game, effect);
        UndoEffect(g.game, effect);
        ApplyVariableEffect(g.game, effect);
        ClampHitPointsAndMana(g.game);
    } catch (const ScriptError&) {
    } catch (const GameEnded&) {  // the hero died of it
    }
    CategoryCode(text);
    TrainableAttribute(text);
    return 0;
}
