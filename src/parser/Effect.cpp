#include "parser/Effect.h"

#include <string>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "parser/CharClass.h"

namespace morvane {

// Reads «name[number] operator amount», e.g. «sila+2» or «promenna12 - 1».
efekt ParseEffect(std::string_view text) {
    std::string s;
    for (char c : text) {
        if (c != ' ') s += c;
    }
    const bool hasOperator = s.find_first_of("+-/*=") != std::string::npos;

    std::string name;
    std::string number = "0";
    std::size_t i = 0;
    for (; i < s.size() && (isScriptLetter(s[i]) || isScriptDigit(s[i])); ++i) {
        (isScriptDigit(s[i]) ? number : name) += s[i];
    }

    efekt effect{};
    effect.nazev.assign(lowerCase(name));
    effect.cislo = toInteger(number);
    effect.operace = '0';
    if (hasOperator) {
        // The run above holds only letters and digits, so the operator lies after it.
        i = s.find_first_of("*+-/=", i);
        effect.operace = s[i];
        while (i < s.size() && !isScriptDigit(s[i])) ++i;
        effect.hodnota = toInteger(digitRun(s, i));
    }
    return effect;
}

}  // namespace morvane
