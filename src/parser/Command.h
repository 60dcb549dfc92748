#pragma once
// Command records: what the scan of a location's source produces and what the
// interpreter runs. These live only in memory, so they hold plain strings.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "parser/ConditionRecord.h"

namespace morvane {

constexpr int kMaxAttributes = 10;
constexpr int kMaxCommands = 400;
constexpr int kMaxNesting = 15;

struct param {
    std::string nazev;    // upper-case name, letters and digits only
    std::string hodnota;  // taken exactly as written
};

struct tagg {
    std::string nazev;  // upper-case tag name, ASCII letters only
    std::vector<param> parametry;  // at most kMaxAttributes, in source order
};

struct prikaz {
    tagg tag;
    std::vector<podminka> podminky;  // the blocks around the tag, outermost first
};

// The commands of the location being run and the scan's condition stack.
struct LocationCommands {
    std::vector<prikaz> prikazy;  // at most kMaxCommands
    std::array<podminka, kMaxNesting> zasobnik{};
    std::int32_t hloubka = 0;
};

// Scans a location's source into `commands.prikazy` (appending), with the
// conditions of the blocks open around each tag. `conditionCounter` is the
// run-wide counter that gives every parsed condition its `cislo`.
void ScanLocation(std::string_view source, LocationCommands& commands,
                  std::int32_t& conditionCounter);

}  // namespace morvane
