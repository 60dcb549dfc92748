#pragma once
// Replacing text inside the story, exactly or in any letter case (Czech
// letters included), left to right without looking at replaced text again.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "parser/EditLog.h"

namespace morvane {


// Replaces every occurrence of `pattern` (exact case) and returns how many
// there were. An empty pattern replaces nothing.
std::size_t replaceAll(std::string& text, std::string_view pattern, std::string_view with,
                       std::vector<TextEdit>* edits = nullptr);

// The first occurrence of `pattern` in any letter case at or after `from`.
std::size_t findCaseless(std::string_view text, std::string_view pattern, std::size_t from = 0);

// Replaces every occurrence of `pattern` in any letter case, starting the
// search at `from`, and returns how many there were. `position` is a place
// in the text that moves with it: it ends up at the same byte of the new
// text, or at the start of a replacement that covered it.
std::size_t replaceCaseless(std::string& text, std::string_view pattern, std::string_view with,
                            std::size_t from, std::size_t& position,
                            std::vector<TextEdit>* edits = nullptr);

}  // namespace morvane
