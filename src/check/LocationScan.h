#pragma once
// One location's source (or a library put around every location) scanned
// with the engine's scanner, told about every step, so that unclosed
// values, brackets and blocks, bad conditions and overruns are found at
// their lines; every command read is then checked by its rule.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "check/Findings.h"
#include "check/GameFacts.h"
#include "check/TagCheck.h"

namespace morvane::check {

struct ScanSite {
    const GameFacts& facts;
    Findings& findings;
    std::string kde;  // "Lokace 5: "
};

using PlaceOf = std::function<Place(std::size_t)>;

void ScanForCheck(std::string_view source, const ScanSite& site, const PlaceOf& place,
                  TagEffects& effects);

}  // namespace morvane::check
