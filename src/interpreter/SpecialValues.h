#pragma once
// The read-only values that scripts reach by name: "$ZIVOTY", "$CAS", ...
#include <functional>
#include <string>
#include <string_view>

namespace morvane {

struct Game;

// Appends the value of the special name `upperName` (already upper case) to
// `out` and answers true, or answers false for a name that is not special.
bool AppendSpecialValue(const Game& game, std::string_view upperName, std::string& out);

// Every special value that the game's state decides (all but the clock's),
// by name, in a fixed order.
void ForEachStateValue(const Game& game,
                       const std::function<void(std::string_view, const std::string&)>& visit);

}  // namespace morvane
