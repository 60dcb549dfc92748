#pragma once
// Command records: what the scan of a location's source produces and what the
// interpreter runs. These live only in memory, so they hold plain strings.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
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

// Reads the tag whose "<" stands at `position`: the name, then its
// attributes, up to the first ">" (or the end of the source). A location
// marker such as "<12>" (and "<>") is no tag: the answer is empty then.
// Attributes past kMaxAttributes, and an attribute whose "=" or quotes are
// missing before the tag ends, are left out.
std::optional<tagg> ParseTag(std::string_view source, std::size_t position);

// Scans a location's source into `commands.prikazy` (appending), with the
// conditions of the blocks open around each tag. `conditionCounter` is the
// run-wide counter that gives every parsed condition its `cislo`.
// The capacities hold whatever the source says: a closing bracket with no
// block open is ignored; tags inside blocks nested deeper than kMaxNesting are
// dropped (their guard cannot be recorded, so they must not run unguarded);
// the scan stops once kMaxCommands commands are stored.
void ScanLocation(std::string_view source, LocationCommands& commands,
                  std::int32_t& conditionCounter);

}  // namespace morvane
