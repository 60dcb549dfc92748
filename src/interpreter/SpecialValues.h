#pragma once
// The read-only values that scripts reach by name: "$ZIVOTY", "$CAS", ...
#include <string>
#include <string_view>

namespace morvane {

struct Game;

// Appends the value of the special name `upperName` (already upper case) to
// `out` and answers true, or answers false for a name that is not special.
bool AppendSpecialValue(const Game& game, std::string_view upperName, std::string& out);

}  // namespace morvane
