// Effect and modifier texts: parsed, applied, undone, applied to variables.
#include "FuzzSupport.h"
#include "base/ScriptError.h"
#include "parser/Effect.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::FuzzGame g;
    const std::string_view text = fuzz::asText(data, size);
    try {
        const efekt effect = ParseEffect(text);
        ApplyEffect(g.game, effect);
        UndoEffect(g.game, effect);
        ApplyVariableEffect(g.game, effect);
        ClampHitPointsAndMana(g.game);
    } catch (const ScriptError&) {
    }
    CategoryCode(text);
    TrainableAttribute(text);
    return 0;
}
