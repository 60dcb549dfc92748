#pragma once
// Attack formulas: integer formulas with the hero's fight values put in.
#include <cstdint>
#include <string_view>

namespace morvane {

struct Game;

enum class FormulaForm { Rolling, Minimum, Maximum };

// An attack formula: the markers #zbran (the equipped weapon's dice, rolled
// once for all markers or taken at its bound), #sila and #poskozeni are
// replaced, then the text is evaluated.
std::int32_t EvaluateFormula(Game& game, std::string_view text, FormulaForm form);

}  // namespace morvane
