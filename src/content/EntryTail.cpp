#include "content/EntryTail.h"

#include "base/Win1250.h"
#include "content/LineScanner.h"
#include "parser/Condition.h"
#include "parser/Effect.h"

namespace morvane {

void AddEffect(efekt (&slots)[kEffectsPerEntry], std::int8_t& count, std::string_view token) {
    if (count < 0 || count >= kEffectsPerEntry) return;
    slots[count] = ParseEffect(token);
    ++count;
}

// Reads a library condition: the token with its "[" taken out, up to its "]".
void AddCondition(podminka (&slots)[kConditionsPerEntry], std::int32_t& count,
                  std::string_view token, std::int32_t& counter) {
    const std::string text = withoutChar(token, '[');
    // Without its "]" the condition has no end; the line is reported, not guessed.
    if (text.find(']') == std::string::npos) throw MalformedLine(cz("chybí ]"));
    if (count < 0 || count >= kConditionsPerEntry) return;
    slots[count] = ParseCondition(text, 0, counter);
    ++count;
}

bool IsConditionToken(std::string_view token) { return token.find('[') != std::string_view::npos; }

void FillUnusedSlots(efekt (&effects)[kEffectsPerEntry], std::int8_t effectCount,
                     podminka (&conditions)[kConditionsPerEntry], std::int32_t conditionCount) {
    for (int i = effectCount; i < kEffectsPerEntry; ++i) {
        effects[i] = efekt{};
        effects[i].nazev.assign("");
        effects[i].operace = ' ';
    }
    for (int i = conditionCount; i < kConditionsPerEntry; ++i) {
        conditions[i] = podminka{};
        conditions[i].levy.assign("0");
        conditions[i].porovnani.assign("=");
        conditions[i].pravy.assign("0");
    }
}

}  // namespace morvane
