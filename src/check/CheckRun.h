#pragma once
// morvane-check from its options to its output and exit status.
#include <iosfwd>

#include "check/CheckOptions.h"

namespace morvane::check {

// 0: no errors, 1: errors found, 2: not a game folder or the map can't be written.
int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& err);

}  // namespace morvane::check
