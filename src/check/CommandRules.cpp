#include "check/CommandRules.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "character/HeroRecord.h"
#include "interpreter/CommandTable.h"
#include "interpreter/GameStateRecord.h"

namespace morvane::check {
namespace {

// Capacities of the stored texts that a command fills.
constexpr std::size_t kMenuText = decltype(polozkamenu::text)::capacity();
constexpr std::size_t kHeading = decltype(stavhry::otazka)::capacity();
constexpr std::size_t kHeroName = decltype(postava::jmeno)::capacity();
constexpr std::size_t kStringVariable = decltype(stavhry::knihovna)::capacity();
constexpr std::size_t kObjectName = decltype(obj::jmeno)::capacity();
constexpr std::size_t kObjectText = decltype(obj::popis)::capacity();
constexpr std::size_t kObjectPicture = decltype(obj::obrazek)::capacity();

const std::map<std::string_view, Refers> kKinds = {
    {"text", Refers::Text},         {"cislo", Refers::Number},   {"kostka", Refers::Dice},
    {"vzorec", Refers::Formula},    {"lokace", Refers::Location}, {"zbran", Refers::Weapon},
    {"zbroj", Refers::Armour},      {"predmet", Refers::Item},   {"kouzlo", Refers::Spell},
    {"utok", Refers::Attack},       {"objekt", Refers::Object},  {"promenna", Refers::Variable},
    {"retezec", Refers::StringVariable}, {"obchod", Refers::Shop}, {"obrazek", Refers::Picture},
    {"zvuk", Refers::Sound},        {"knihovna", Refers::Library}, {"prodej", Refers::SellKinds},
};

// The capacities that the command table's layouts name after a "/".
const std::map<std::string_view, std::size_t> kCapacities = {
    {"menu", kMenuText},          {"otazka", kHeading},           {"jmeno", kHeroName},
    {"retezec", kStringVariable}, {"objektjmeno", kObjectName},   {"objektpopis", kObjectText},
    {"objektobrazek", kObjectPicture},
};

// The rule of one command, read from its layout in the command table.
CommandRule rule(const CommandEntry& entry) {
    CommandRule r;
    r.command = std::string(entry.name);
    std::istringstream words{std::string(entry.atributy)};
    for (std::string word; words >> word;) {
        if (word[0] == '#' || word[0] == '*') {
            const auto equals = word.find('=');
            if (word[0] == '#') r.numberedName = kKinds.at(word.substr(1, equals - 1));
            else r.anyName = true;
            r.numberedValue = kKinds.at(word.substr(equals + 1));
            continue;
        }
        AttributeRule a;
        const auto colon = word.find(':');
        a.name = word.substr(0, colon);
        if (colon != std::string::npos) {
            std::string kind = word.substr(colon + 1);
            const auto slash = kind.find('/');
            if (slash != std::string::npos) {
                a.capacity = kCapacities.at(kind.substr(slash + 1));
                kind.resize(slash);
            }
            a.value = kKinds.at(kind);
        }
        r.named.push_back(a);
    }
    return r;
}

std::vector<CommandRule> makeRules() {
    std::vector<CommandRule> rules;
    for (const CommandEntry& entry : AllCommands()) rules.push_back(rule(entry));
    return rules;
}

// Edit distance, for suggesting the name an author meant.
std::size_t distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = up;
        }
    }
    return row[b.size()];
}

}  // namespace

const CommandRule* RuleOf(std::string_view command) {
    static const std::vector<CommandRule> rules = makeRules();
    for (const CommandRule& r : rules)
        if (r.command == command) return &r;
    return nullptr;
}

std::optional<std::string> NearestName(std::string_view name, const std::vector<std::string>& known) {
    std::optional<std::string> best;
    std::size_t bestDistance = std::max<std::size_t>(2, name.size() / 3) + 1;
    for (const std::string& k : known) {
        const std::size_t d = distance(name, k);
        if (d < bestDistance) {
            bestDistance = d;
            best = k;
        }
    }
    return best;
}

}  // namespace morvane::check
