#pragma once
// What the inventory screen shows besides the possessions themselves: the
// hint of the entry under the pointer, the results of this opening's uses and
// equips, and the moment of the last of them, which keeps the results up
// until the clock has moved past it.
#include <optional>
#include <string>

#include "base/Platform.h"

namespace morvane {

struct InventoryState {
    std::string Status;                     // hint of the entry under the pointer
    std::string Status2;                    // results of using and equipping, one after another
    std::optional<LocalTime> posledniakce;  // the last use or equip; none yet
};

}  // namespace morvane
