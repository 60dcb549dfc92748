#include "game/TryOut.h"

#include <algorithm>
#include <limits>
#include <type_traits>
#include <utility>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "game/Flow.h"
#include "game/Game.h"
#include "interpreter/CommandTable.h"
#include "interpreter/SpecialValues.h"
#include "parser/Constants.h"
#include "parser/LocationSource.h"

namespace morvane {
namespace {

constexpr std::string_view kStringPrefix = "RETEZEC";

// A whole number of the range, written as digits alone.
std::optional<std::int32_t> NumberIn(std::string_view digits, std::int32_t low, std::int32_t high) {
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const auto n = parseInteger(digits);
    if (!n || *n < low || *n > high) return std::nullopt;
    return n;
}

// The command that sets a hero value of this name: one that takes "JE",
// or one that adds and takes away ("PLUS").
const CommandEntry* HeroCommand(std::string_view nazev) {
    const CommandEntry* entry = FindCommand(nazev);
    if (entry && (NamesAttribute(*entry, "JE") || NamesAttribute(*entry, "PLUS"))) return entry;
    return nullptr;
}

// The message for a setting that can't be right, or empty.
std::string Fault(const VariableSetting& s) {
    const std::string_view nazev = s.nazev;
    if (nazev.starts_with(kStringPrefix)) {
        if (!NumberIn(nazev.substr(kStringPrefix.size()), 1, kStringVariables))
            return "--set " + s.nazev + ": string variables are RETEZEC1 to RETEZEC" +
                   std::to_string(kStringVariables);
        const std::size_t room = std::remove_extent_t<decltype(stavhry::retezce)>::capacity();
        if (s.hodnota.size() > room)
            return "--set " + s.nazev + ": a string variable holds " + std::to_string(room) +
                   " characters at most";
        return {};
    }
    const bool variable =
        !nazev.empty() && nazev.find_first_not_of("0123456789") == std::string_view::npos;
    if (variable && !NumberIn(nazev, 1, kIntegerVariables))
        return "--set " + s.nazev + ": variables are numbered 1 to " +
               std::to_string(kIntegerVariables);
    if (!variable && !HeroCommand(nazev))
        return "--set " + s.nazev +
               ": no such variable (a number, RETEZEC1..10, or a hero "
               "value such as SILA or PENIZE)";
    if (!parseInteger(s.hodnota)) return "--set " + s.nazev + ": the value must be a whole number";
    return {};
}

void TakeSetting(const std::string& text, TryOut& plan, std::string& error) {
    const auto equals = text.find('=');
    if (equals == std::string::npos) {
        error = "--set needs VARIABLE=VALUE";
        return;
    }
    std::string nazev = upperCase(text.substr(0, equals));
    if (nazev.starts_with('$')) nazev.erase(0, 1);
    VariableSetting setting{nazev, fromUtf8(text.substr(equals + 1))};
    error = Fault(setting);
    if (error.empty()) plan.nastaveni.push_back(std::move(setting));
}

// Runs the command that sets a hero value, as a script line would.
void SetHeroValue(Game& game, const CommandEntry& entry, std::string_view value) {
    tagg tag{std::string(entry.name), {}};
    if (NamesAttribute(entry, "JE")) {
        tag.parametry.push_back({"JE", std::string(value)});
    } else {
        std::string now;
        AppendSpecialValue(game, entry.name, now);
        const std::int32_t change = wrapSub(*parseInteger(value), parseInteger(now).value_or(0));
        tag.parametry.push_back({"PLUS", toText(change)});
    }
    entry.handler(game, tag);
}

// Says nothing: a story that can't be read is told by the real start.
class Silent final : public Reporter {
public:
    void showMessage(const std::string&) override {}
    void reportError(const std::string&) override {}
};

}  // namespace

bool TakeTryOutOption(const std::vector<std::string>& args, std::size_t& i, TryOut& plan,
                      std::string& error) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    if (a == "--trace") {
        plan.trace = true;
    } else if (a == "--start") {
        constexpr std::int32_t kLast = std::numeric_limits<std::int32_t>::max();
        const auto n = hasValue ? NumberIn(args[++i], 1, kLast) : std::nullopt;
        plan.lokace = n.value_or(0);
        if (!n) error = "--start needs a location number (1 or more)";
    } else if (a == "--set") {
        if (hasValue) TakeSetting(args[++i], plan, error);
        if (!hasValue) error = "--set needs VARIABLE=VALUE";
    } else {
        return false;
    }
    return true;
}

std::string TryOutUsage(std::size_t column) {
    static const std::pair<const char*, std::vector<const char*>> kLines[] = {
        {"--start N",
         {"begin a new game at location N at once: no main menu, no name",
          "entry (the hero has the definition's name)"}},
        {"--set V=X",
         {"set V before the first location runs: a variable (5=3), a",
          "string variable (RETEZEC1=text) or a hero value (SILA=8,",
          "PENIZE=100); may be given many times; begins a new game at once"}},
        {"--trace",
         {"write every script command as it runs (its location, attributes",
          "and result) and every tag or attribute skipped to standard error"}},
    };
    std::string text;
    for (const auto& [option, lines] : kLines) {
        std::string head = std::string("  ") + option;
        for (const char* line : lines) {
            head.resize(std::max(column, head.size() + 1), ' ');
            text += head + line + "\n";
            head.clear();
        }
    }
    return text;
}

bool ChooseTryOut(Game& game, const TryOut& plan, std::string& error) {
    game.stopa = plan.trace;
    if (!plan.startsAtOnce()) return true;
    if (plan.lokace > 0) {
        // The story as a new game will see it, read apart from the game's.
        StoryStore probe;
        probe.soubory = game.pribeh.soubory;
        probe.soubory.nazevhry = game.definice.nazevhry.str();
        Silent silent;
        LoadConstants(probe, silent);
        if (!HasLocation(probe, silent, plan.lokace)) {
            error = "--start " + std::to_string(plan.lokace) + ": the story has no location " +
                    std::to_string(plan.lokace);
            return false;
        }
    }
    ChooseNewGame(game);
    AcceptHeroName(game, OfferedHeroName(game));
    game.zkouska = plan;
    return true;
}

void ApplyTryOut(Game& game, const TryOut& plan) {
    for (const VariableSetting& s : plan.nastaveni) {
        const std::string_view nazev = s.nazev;
        if (nazev.starts_with(kStringPrefix)) {
            const auto k = *NumberIn(nazev.substr(kStringPrefix.size()), 1, kStringVariables);
            game.stavhry.retezce[k - 1].assign(s.hodnota);
        } else if (const auto n = NumberIn(nazev, 1, kIntegerVariables)) {
            game.stavhry.promenne[*n - 1] = *parseInteger(s.hodnota);
        } else if (const CommandEntry* entry = HeroCommand(nazev)) {
            SetHeroValue(game, *entry, s.hodnota);
        }
    }
    // What the commands reported of the setting up is no news to the player.
    game.historie = {};
    if (plan.lokace > 0) game.cilovalokace = plan.lokace;
}

}  // namespace morvane
