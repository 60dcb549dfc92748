#include "combat/BattleConditions.h"

#include <algorithm>

#include "base/Win1250.h"
#include "base/WordWrap.h"
#include "content/ContentRecords.h"
#include "interpreter/ConditionEvaluate.h"
#include "parser/Condition.h"

namespace morvane {

std::int32_t EntryCount(std::int32_t count) {
    return std::clamp<std::int32_t>(count, 0, kConditionsPerEntry);
}

bool AllConditionsHold(const Game& game, const podminka* conditions, std::int32_t count) {
    bool all = true;
    for (std::int32_t i = 0; i < EntryCount(count); ++i) {
        if (!EvaluateCondition(game, conditions[i])) all = false;
    }
    return all;
}

bool DescribeUnmetConditions(const Game& game, const podminka* conditions, std::int32_t count,
                             std::string& text) {
    bool failed = false;
    for (std::int32_t i = 0; i < EntryCount(count); ++i) {
        if (EvaluateCondition(game, conditions[i])) continue;
        text += cz("Nutno: ") + wrapText(DescribeCondition(game, conditions[i]), 33) + kLineBreak;
        failed = true;
    }
    return failed;
}

}  // namespace morvane
