// Conditions: parsed, decided against a game and described in words.
#include "FuzzSupport.h"
#include "base/ScriptError.h"
#include "parser/Condition.h"
#include "interpreter/ConditionEvaluate.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::FuzzGame g;
    const std::string_view text = fuzz::asText(data, size);
    std::int32_t counter = 0;
    for (std::size_t start : {std::size_t{0}, std::size_t{1}}) {
        if (start > text.size()) break;
        const podminka condition = ParseCondition(text, start, counter);
        try {
            EvaluateCondition(g.game, condition);
        } catch (const ScriptError&) {
        }
        DescribeCondition(g.game, condition);
    }
    return 0;
}
