#pragma once
// The tail shared by every entry line: effect and condition tokens after the
// fixed fields, at most five of each kind per list.
#include <cstdint>
#include <string_view>

#include "content/ContentRecords.h"

namespace morvane {

// Stores the effect of `token` in the next free slot; beyond the fifth the
// token is ignored (and not even parsed).
void AddEffect(efekt (&slots)[kEffectsPerEntry], std::int8_t& count, std::string_view token);

// Stores the condition of `token`, which still carries its "[" marks, in the
// next free slot; beyond the fifth it is ignored. A token without "]" is a
// malformed line.
void AddCondition(podminka (&slots)[kConditionsPerEntry], std::int32_t& count,
                  std::string_view token, std::int32_t& counter);

// True when the token is a condition: it holds a "[".
bool IsConditionToken(std::string_view token);

// Fills the effect and condition slots past the counts with the neutral
// entries that weapons, armours and items keep in unused slots.
void FillUnusedSlots(efekt (&effects)[kEffectsPerEntry], std::int8_t effectCount,
                     podminka (&conditions)[kConditionsPerEntry], std::int32_t conditionCount);

}  // namespace morvane
