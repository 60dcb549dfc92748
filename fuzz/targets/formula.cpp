// Expressions, formulas and dice texts, in all three forms.
#include "FuzzSupport.h"
#include "base/ScriptError.h"
#include "parser/Expression.h"
#include "interpreter/Formula.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::FuzzGame g;
    const std::string_view text = fuzz::asText(data, size);
    const auto quietly = [](auto run) {
        try {
            run();
        } catch (const ScriptError&) {
        }
    };
    quietly([&] { EvaluateExpression(text); });
    for (FormulaForm form : {FormulaForm::Rolling, FormulaForm::Minimum, FormulaForm::Maximum})
        quietly([&] { EvaluateFormula(g.game, text, form); });
    quietly([&] {
        const kostka dice = ParseDice(text);
        g.game.hrac.zbran.utok = dice;
        RollDice(*g.random, dice);
        DiceMinimum(dice);
        DiceMaximum(dice);
        EvaluateFormula(g.game, "#zbran+1", FormulaForm::Rolling);
    });
    return 0;
}
