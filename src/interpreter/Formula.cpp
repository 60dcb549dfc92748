#include "interpreter/Formula.h"

#include <string>

#include "base/Numbers.h"
#include "game/Game.h"
#include "interpreter/Substitute.h"
#include "parser/Expression.h"

namespace morvane {
namespace {

void replaceAll(std::string& text, std::string_view marker, const std::string& value) {
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + value.size())) {
        text.replace(at, marker.size(), value);
    }
}

std::int32_t weaponDiceValue(Game& game, FormulaForm form) {
    const kostka& dice = game.hrac.zbran.utok;
    switch (form) {
        case FormulaForm::Minimum: return DiceMinimum(dice);
        case FormulaForm::Maximum: return DiceMaximum(dice);
        case FormulaForm::Rolling: break;
    }
    return RollDice(game.random, dice);
}

}  // namespace

std::int32_t EvaluateFormula(Game& game, std::string_view text, FormulaForm form) {
    std::string formula = Substitute(game, text);
    replaceAll(formula, "#sila", toText(wrapAdd(game.hrac.sila, game.bonusy.utok)));
    replaceAll(formula, "#poskozeni",
               toText(wrapAdd(game.hrac.zbran.poskozeni, game.bonusy.poskozeni)));
    // One value for every marker: «#zbran+#zbran» is twice the same roll.
    replaceAll(formula, "#zbran", toText(weaponDiceValue(game, form)));
    return EvaluateExpression(formula);
}

}  // namespace morvane
