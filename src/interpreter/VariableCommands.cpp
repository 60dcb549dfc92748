#include "interpreter/VariableCommands.h"

#include <algorithm>
#include <optional>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "character/Hero.h"
#include "game/Game.h"
#include "interpreter/Info.h"
#include "parser/Expression.h"

namespace morvane {
namespace {

// The integer variable numbered `n`, or nullptr when no variable has that number.
std::int32_t* Variable(Game& game, std::int32_t n) {
    if (n < 1 || n > kIntegerVariables) return nullptr;
    return &game.stavhry.promenne[n - 1];
}

// The debug report of a variable change, made only while reports are on.
void ReportChange(Game& game, const std::string& text) {
    if (game.stavhry.vypisujpromenne <= 0) return;
    Report(game, text, "lime");
}

std::string ChangeText(const param& p, std::string_view verb) {
    return cz("(debug) Hodnota proměnné $") + p.nazev + cz(verb) + p.hodnota;
}

std::string ResultText(const param& p, std::string_view verb, std::int32_t result) {
    return ChangeText(p, verb) + cz(" na výsledných ") + toText(result);
}

void Store(std::int32_t& variable, std::int32_t value, const param&) { variable = value; }

// Walks the attributes in order: each name is a variable number and each
// value becomes a number through `evaluate`; `apply` then changes the
// variable. Both conversions happen before the number is checked, so a bad
// value fails the same way whatever variable it was meant for.
template <class Evaluate, class Apply>
void EachVariable(Game& game, const tagg& tag, Evaluate evaluate, Apply apply) {
    for (const param& p : tag.parametry) {
        const std::int32_t n = toInteger(p.nazev);
        const std::int32_t value = evaluate(p.hodnota);
        if (std::int32_t* variable = Variable(game, n)) apply(*variable, value, p);
    }
}

}  // namespace

void cmdPromenna(Game& game, const tagg& tag) {
    EachVariable(game, tag, toInteger, [&](std::int32_t& variable, std::int32_t v, const param& p) {
        variable = v;
        ReportChange(game, ChangeText(p, " se změnila na "));
    });
}

void cmdNahoda(Game& game, const tagg& tag) {
    const auto roll = [&](std::string_view text) { return RollDice(game.random, ParseDice(text)); };
    EachVariable(game, tag, roll, Store);
}

void cmdZvysPromennou(Game& game, const tagg& tag) {
    EachVariable(game, tag, toInteger, [&](std::int32_t& variable, std::int32_t v, const param& p) {
        variable = wrapAdd(variable, v);
        ReportChange(game, ResultText(p, " se zvýšila o ", variable));
    });
}

void cmdSnizPromennou(Game& game, const tagg& tag) {
    EachVariable(game, tag, toInteger, [&](std::int32_t& variable, std::int32_t v, const param& p) {
        variable = wrapSub(variable, v);
        ReportChange(game, ResultText(p, " se snížila o ", variable));
    });
}

void cmdVzorec(Game& game, const tagg& tag) {
    EachVariable(game, tag, EvaluateExpression, Store);
}

void cmdRetezec(Game& game, const tagg& tag) {
    for (const param& p : tag.parametry) {
        const std::int32_t k = toInteger(p.nazev);
        if (k < 1 || k > kStringVariables) continue;
        game.stavhry.retezce[k - 1].assign(p.hodnota);
    }
}

void cmdNastavPromenne(Game& game, const tagg& tag) {
    std::optional<std::int32_t> cislo, pocet, hodnota;
    for (const param& p : tag.parametry) {
        if (p.nazev == "CISLO") cislo = toInteger(p.hodnota);
        else if (p.nazev == "POCET") pocet = toInteger(p.hodnota);
        else if (p.nazev == "HODNOTA") hodnota = toInteger(p.hodnota);
    }
    // A missing attribute is an empty value, and an empty value is no number:
    // guessing 0 would let a misspelt "CISLO" overwrite variables from 1 on.
    const auto given = [](const std::optional<std::int32_t>& v) { return v ? *v : toInteger(""); };
    const std::int64_t first = given(cislo);
    const std::int64_t count = given(pocet);
    const std::int32_t value = given(hodnota);
    if (count <= 0) return;
    // Only the part of the range that names variables is set.
    const std::int64_t from = std::max<std::int64_t>(first, 1);
    const std::int64_t to = std::min<std::int64_t>(first + count - 1, kIntegerVariables);
    for (std::int64_t n = from; n <= to; ++n) game.stavhry.promenne[n - 1] = value;
}

void cmdVypisujPromenne(Game& game, const tagg&) { game.stavhry.vypisujpromenne = 1; }

void cmdNevypisujPromenne(Game& game, const tagg&) { game.stavhry.vypisujpromenne = 0; }

void cmdZmenJmeno(Game& game, const tagg& tag) {
    for (const param& p : tag.parametry) {
        if (p.nazev == "TEXT" || p.nazev == "JMENO") game.hrac.jmeno.assign(p.hodnota);
    }
}

void cmdUlozPocatecniVlastnosti(Game& game, const tagg&) { SaveStartValues(game.hrac); }

}  // namespace morvane
