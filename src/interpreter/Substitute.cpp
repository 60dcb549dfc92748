#include "interpreter/Substitute.h"

#include <algorithm>

#include "base/Numbers.h"
#include "character/HeroEffects.h"
#include "game/Game.h"
#include "interpreter/SpecialValues.h"
#include "parser/CharClass.h"
#include "parser/Effect.h"

namespace morvane {
namespace {

void appendIntegerVariable(const Game& game, std::int32_t n, std::string& out) {
    // The table has no entry outside 1..999; such a variable reads as 0.
    const std::int32_t value = (n >= 1 && n <= kIntegerVariables) ? game.stavhry.promenne[n - 1] : 0;
    out += toText(value);
}

void appendStringVariable(const Game& game, std::int32_t k, std::string& out) {
    // k of 0 or 11 and more names no string variable: the empty text.
    if (k >= 1 && k <= kStringVariables) out += game.stavhry.retezce[k - 1].view();
}

// Reads the reference that starts at `text[pos]` == '$' and appends its value;
// answers the position after it, or pos + 1 with a plain "$" when no
// reference starts there.
std::size_t substituteAt(const Game& game, std::string_view text, std::size_t pos,
                         std::string& out) {
    std::size_t i = pos + 1;
    if (i < text.size() && isScriptDigit(text[i])) {
        appendIntegerVariable(game, toInteger(digitRun(text, i)), out);
        return i;
    }
    if (i == text.size() || !isScriptLetter(text[i])) {
        out += '$';
        return pos + 1;
    }
    // Names are ASCII letters; a digit after a name is not part of it.
    char name[32];
    std::size_t length = 0;
    for (; i < text.size() && isScriptLetter(text[i]); ++i) {
        if (length < sizeof name) name[length] = upperCase(text[i]);
        ++length;
    }
    const std::string_view upper(name, std::min(length, sizeof name));
    if (length <= sizeof name && upper == "RETEZEC") {
        appendStringVariable(game, toInteger(digitRun(text, i)), out);
    } else if (length > sizeof name || !AppendSpecialValue(game, upper, out)) {
        out += '0';  // an unknown name
    }
    return i;
}

}  // namespace

std::string Substitute(const Game& game, std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    // Values go to the output only, so a value holding "$" is never read again.
    while (pos < text.size()) {
        const std::size_t dollar = text.find('$', pos);
        if (dollar == std::string_view::npos) {
            out += text.substr(pos);
            break;
        }
        out += text.substr(pos, dollar - pos);
        pos = substituteAt(game, text, dollar, out);
    }
    return out;
}

std::int32_t PureAttribute(const Game& game, std::string_view nazev) {
    const auto field = TrainableAttribute(nazev);
    if (field == nullptr) return 0;
    std::int32_t value = game.hrac.*field;
    // Undo each modifier of the weapon, then of the armour; the stored copy's
    // count is clamped so that a foreign saved position cannot read past the list.
    const auto undo = [&](const efekt* effects, std::int8_t count) {
        const int n = std::clamp<int>(count, 0, kEffectsPerEntry);
        for (int e = 0; e < n; ++e) {
            if (effects[e].nazev.view() != nazev) continue;
            if (effects[e].operace == '+') value = wrapSub(value, effects[e].hodnota);
            if (effects[e].operace == '-') value = wrapAdd(value, effects[e].hodnota);
        }
    };
    undo(game.hrac.zbran.efekty, game.hrac.zbran.pocetefektu);
    undo(game.hrac.zbroj.efekty, game.hrac.zbroj.pocetefektu);
    return value;
}

}  // namespace morvane
