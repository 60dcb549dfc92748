#include "check/CommandRules.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "character/HeroRecord.h"
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

std::string capacityWord(std::size_t n) { return std::to_string(n); }

// One rule written as "NAME:kind NAME:kind/capacity ... #kind=kind" ("#"
// for numbered names, "*" for names that are not read).
CommandRule rule(std::string_view commands, const std::string& attributes) {
    CommandRule r;
    r.command = std::string(commands);
    std::istringstream words(attributes);
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
                a.capacity = std::stoul(kind.substr(slash + 1));
                kind.resize(slash);
            }
            a.value = kKinds.at(kind);
        }
        r.named.push_back(a);
    }
    return r;
}

std::vector<CommandRule> makeRules() {
    const std::string menu = capacityWord(kMenuText);
    const std::string look = "BARVA TUCNE KURZIVA PODTRZENE PRESKRTNUTE";
    const std::string plusMinus = "PLUS:cislo MINUS:cislo";
    const std::string attribute = plusMinus + " JE:cislo";
    const std::string none;
    const std::vector<std::pair<std::string_view, std::string>> written = {
        {"TEXT", "OBSAH " + look + " ODKAZ:lokace WEBLINK"},
        {"MENU M", "T:text/" + menu + " POPIS:text/" + menu + " X:lokace ODKAZ:lokace BARVA"},
        {"PROMENNA ZVYSPROMENNOU SNIZPROMENNOU", "#promenna=cislo"},
        {"NAHODA", "#promenna=kostka"},
        {"VZOREC", "#promenna=vzorec"},
        {"RETEZEC", "#retezec=text"},
        {"NASTAVPROMENNE", "CISLO:cislo POCET:cislo HODNOTA:cislo"},
        {"INFO", "OBSAH COLOR BARVA"},
        {"SOUBOJ", "JMENO UTOK:kostka OBRANA:cislo TVRDOST:cislo ZIVOTY:cislo ZRANEN:cislo "
                   "POSKOZENI:cislo XP:cislo NEUMIREJ:cislo KOUZLA PREDMETY"},
        {"ZBRAN", "#zbran=cislo"},
        {"ZBROJ", "#zbroj=cislo"},
        {"PREDMET ODSTRANPREDMET", "#predmet=cislo"},
        {"ODSTRANOBJEKT", "#objekt=cislo"},
        {"OBJEKT", "#objekt=cislo JMENO:text/" + capacityWord(kObjectName) + " POPIS:text/" +
                       capacityWord(kObjectText) + " OBRAZEK:obrazek/" +
                       capacityWord(kObjectPicture) + " VYSKA:cislo SIRKA:cislo"},
        {"ZMENZBRAN", "#zbran=zbran"},
        {"ZMENZBROJ", "#zbroj=zbroj"},
        {"ODSTRANZBRAN", "*=zbran"},
        {"ODSTRANZBROJ", "*=zbroj"},
        {"POCETPREDMETU", "#promenna=predmet"},
        {"POCETOBJEKTU", "#promenna=objekt"},
        {"POCETZBRANI", "#promenna=zbran"},
        {"POCETZBROJI", "#promenna=zbroj"},
        {"KOUZLO", "UMIME:kouzlo NEUMIME:kouzlo"},
        {"UTOK AKCE", "UMIME:utok NEUMIME:utok"},
        {"OBCHOD", "CISLO:obchod"},
        {"PRODEJ", "TYP:prodej PROCENT:cislo"},
        {"PENIZE ZKUSENOSTI XP", plusMinus},
        {"ZIVOTY MANA MAXZIVOTY MAXMANA SILA OBRATNOST RYCHLOST ENERGIE", attribute},
        {"SAVE", "ODKAZ:lokace NAZEV"},
        {"ZPET", "T:text/" + menu + " POPIS:text/" + menu + " OBSAH:text/" + menu},
        {"CASOVAC", "VYPISUJ CAS:cislo ODKAZ:lokace"},
        {"OBRAZEK", "SOUBOR:obrazek POPIS SIRKA:cislo VYSKA:cislo"},
        {"OBRAZEKVTEXTU",
         "SOUBOR:obrazek ODKAZ:lokace POSUNX:cislo POSUNY:cislo SIRKA:cislo VYSKA:cislo"},
        {"AUDIOSOUND AUDIOTRACK AUDIOSTREAM", "SOUBOR:zvuk"},
        {"ZMENOTAZKU", "TEXT:text/" + capacityWord(kHeading) + " OTAZKA:text/" +
                           capacityWord(kHeading) + " BARVA"},
        {"ZMENJMENO", "TEXT:text/" + capacityWord(kHeroName) + " JMENO:text/" +
                          capacityWord(kHeroName)},
        {"VYCHOZIBARVATEXTU VYCHOZIBARVAMENU", "BARVA"},
        {"PREFIX SUFFIX", "VYBRAT:knihovna JMENO:knihovna PROVADET"},
        {"PRESMERUJ", "JMENO:knihovna/" + capacityWord(kStringVariable)},
        {"KONEC SMAZATINFO ZAPNIINFO VYPNIINFO AUDIOSTOP AUDIOPAUSE AUDIOCONTINUE "
         "ZAPNICISLALOKACI VYPNICISLALOKACI ULOZPOCATECNIVLASTNOSTI ZAKAZPOSTAVUDOCASNE "
         "ZAKAZVYBAVENIDOCASNE ZAKAZPOSTAVU ZAKAZVYBAVENI POVOLPOSTAVU POVOLVYBAVENI "
         "POVOLPOSTAVUDOCASNE POVOLVYBAVENIDOCASNE VYPISUJPROMENNE NEVYPISUJPROMENNE "
         "SEZNAMPROMENNYCH SEZNAMPROMENNYCHSOUBOR",
         none},
    };
    std::vector<CommandRule> rules;
    for (const auto& [names, attributes] : written) {
        std::istringstream each{std::string(names)};
        for (std::string name; each >> name;) rules.push_back(rule(name, attributes));
    }
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

const std::vector<CommandRule>& AllRules() {
    static const std::vector<CommandRule> rules = makeRules();
    return rules;
}

const CommandRule* RuleOf(std::string_view command) {
    for (const CommandRule& r : AllRules())
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
