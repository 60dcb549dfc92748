#include <string>

#include "base/Win1250.h"
#include "parser/Effect.h"

namespace morvane {

std::int32_t CategoryCode(std::string_view word) {
    struct Category {
        std::string_view word;
        std::int32_t code;
    };
    static constexpr Category kCategories[] = {
        {"ZBRANE", 1},         {"ZBROJE", 2},         {"PREDMETY", 3},
        {"ZBRANEZBROJE", 4},   {"ZBROJEZBRANE", 4},   {"ZBRANEPREDMETY", 5},
        {"PREDMETYZBRANE", 5}, {"ZBROJEPREDMETY", 6}, {"PREDMETYZBROJE", 6},
    };
    const std::string upper = upperCase(word);
    for (const Category& c : kCategories) {
        if (upper == c.word) return c.code;
    }
    return 0;  // "VSE" and every unknown word: all kinds
}

}  // namespace morvane
