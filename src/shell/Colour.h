#pragma once
#include <cstdint>
#include <string_view>

namespace morvane {

// A colour as scripts and skins write it: a colour name in any letter case,
// or "*"/"$" followed by hexadecimal digits (0x00BBGGRR). Any other text
// raises ScriptError as a failed number conversion.
std::int32_t ParseColour(std::string_view text);

}  // namespace morvane
