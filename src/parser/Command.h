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

// What a tag's reading left out, for authoring tools: play ignores it.
struct TagFlaws {
    bool unclosed = false;      // no ">" before the end of the source
    bool cutAttribute = false;  // an attribute's "=" or quotes are missing
    int extraAttributes = 0;    // attributes past kMaxAttributes
};

// ParseTag that also tells what it left out.
std::optional<tagg> ParseTag(std::string_view source, std::size_t position, TagFlaws& flaws);

// Told about every step of a scan, with positions in the scanned source, so
// that an authoring tool can point at lines; play passes none.
class ScanEvents {
public:
    virtual ~ScanEvents() = default;
    // A tag read at `at`; `stored` is false when the scan had to drop it.
    virtual void tag(std::size_t at, const tagg& tag, const TagFlaws& flaws, bool stored) = 0;
    // A condition block opened at `at` (`recorded` false past kMaxNesting).
    virtual void blockOpened(std::size_t at, const podminka& condition, bool recorded) = 0;
    // A closing bracket at `at`; `matched` is false when no block was open.
    virtual void blockClosed(std::size_t at, bool matched) = 0;
};

// Scans a location's source into `commands.prikazy` (appending), with the
// conditions of the blocks open around each tag. `conditionCounter` is the
// run-wide counter that gives every parsed condition its `cislo`.
// The capacities hold whatever the source says: a closing bracket with no
// block open is ignored; tags inside blocks nested deeper than kMaxNesting are
// dropped (their guard cannot be recorded, so they must not run unguarded);
// the scan stops once kMaxCommands commands are stored.
void ScanLocation(std::string_view source, LocationCommands& commands,
                  std::int32_t& conditionCounter, ScanEvents* events = nullptr);

}  // namespace morvane
