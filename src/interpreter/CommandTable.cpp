#include "interpreter/CommandTable.h"

#include <algorithm>
#include <array>

#include "base/Numbers.h"

#include "character/AttributeCommands.h"
#include "character/PossessionCommands.h"
#include "character/SellScreen.h"
#include "character/ShopScreen.h"
#include "combat/FightCommand.h"
#include "interpreter/FlowCommands.h"
#include "interpreter/LibraryCommands.h"
#include "interpreter/MenuCommands.h"
#include "interpreter/PageCommands.h"
#include "interpreter/VariableCommands.h"
#include "save/SaveScreen.h"
#include "shell/AudioCommands.h"

namespace morvane {
namespace {

// The attribute layouts that several commands share.
constexpr std::string_view kText =
    "OBSAH BARVA TUCNE KURZIVA PODTRZENE PRESKRTNUTE ODKAZ:lokace WEBLINK";
constexpr std::string_view kMenu = "T:text/menu POPIS:text/menu X:lokace ODKAZ:lokace BARVA";
constexpr std::string_view kVariables = "#promenna=cislo";
constexpr std::string_view kSouboj =
    "JMENO UTOK:kostka OBRANA:cislo TVRDOST:cislo ZIVOTY:cislo ZRANEN:cislo POSKOZENI:cislo "
    "XP:cislo NEUMIREJ:cislo KOUZLA PREDMETY";
constexpr std::string_view kItems = "#predmet=cislo";
constexpr std::string_view kObjekt =
    "#objekt=cislo JMENO:text/objektjmeno POPIS:text/objektpopis "
    "OBRAZEK:obrazek/objektobrazek VYSKA:cislo SIRKA:cislo";
constexpr std::string_view kAttacks = "UMIME:utok NEUMIME:utok";
constexpr std::string_view kPlusMinus = "PLUS:cislo MINUS:cislo";
constexpr std::string_view kAttribute = "PLUS:cislo MINUS:cislo JE:cislo";
constexpr std::string_view kPictureOnPage =
    "SOUBOR:obrazek ODKAZ:lokace POSUNX:cislo POSUNY:cislo SIRKA:cislo VYSKA:cislo";
constexpr std::string_view kSound = "SOUBOR:zvuk";
constexpr std::string_view kLibrary = "VYBRAT:knihovna JMENO:knihovna PROVADET";

// Written once: every tag name, its selector, its handler and the attributes
// it reads. Selectors 32 and 33 select nothing.
constexpr std::array kCommands = {
    CommandEntry{"TEXT", 1, cmdText, kText},  // page text block
    CommandEntry{"MENU", 2, cmdMenu, kMenu},  // menu item
    CommandEntry{"M", 2, cmdMenu, kMenu},  // menu item, short name
    CommandEntry{"PROMENNA", 3, cmdPromenna, kVariables},  // set variables
    CommandEntry{"INFO", 4, cmdInfo, "OBSAH COLOR BARVA"},  // info line
    CommandEntry{"SOUBOJ", 5, cmdSouboj, kSouboj},  // fight
    CommandEntry{"ZBRAN", 6, cmdZbran, "#zbran=cislo"},  // give or take weapons
    CommandEntry{"ZBROJ", 7, cmdZbroj, "#zbroj=cislo"},  // give or take armours
    CommandEntry{"PREDMET", 8, cmdPredmet, kItems},  // give or take items
    CommandEntry{"OBJEKT", 9, cmdObjekt, kObjekt},  // define or give a story object
    CommandEntry{"OBCHOD", 10, cmdObchod, "CISLO:obchod"},  // shop
    CommandEntry{"PENIZE", 11, cmdPenize, kPlusMinus},  // money
    CommandEntry{"SAVE", 12, cmdSave, "ODKAZ:lokace NAZEV"},  // offer saving
    CommandEntry{"KONEC", 13, cmdKonec, ""},  // quit the program
    CommandEntry{"ZPET", 14, cmdZpet, "T:text/menu POPIS:text/menu OBSAH:text/menu"},  // menu item back
    CommandEntry{"ZKUSENOSTI", 15, cmdZkusenosti, kPlusMinus},  // experience points
    CommandEntry{"XP", 15, cmdZkusenosti, kPlusMinus},  // experience points, short name
    CommandEntry{"NAHODA", 16, cmdNahoda, "#promenna=kostka"},  // roll dice into variables
    CommandEntry{"ZIVOTY", 17, cmdZivoty, kAttribute},  // hit points
    CommandEntry{"MANA", 18, cmdMana, kAttribute},  // mana
    CommandEntry{"MAXZIVOTY", 19, cmdMaxZivoty, kAttribute},  // maximum hit points
    CommandEntry{"MAXMANA", 20, cmdMaxMana, kAttribute},  // maximum mana
    CommandEntry{"SILA", 21, cmdSila, kAttribute},  // strength
    CommandEntry{"OBRATNOST", 22, cmdObratnost, kAttribute},  // agility
    CommandEntry{"RYCHLOST", 23, cmdRychlost, kAttribute},  // speed
    CommandEntry{"ENERGIE", 24, cmdEnergie, kAttribute},  // energy
    CommandEntry{"OBRAZEK", 25, cmdObrazek, "SOUBOR:obrazek POPIS SIRKA:cislo VYSKA:cislo"},  // picture in a window
    CommandEntry{"SMAZATINFO", 26, cmdSmazatInfo, ""},  // empty the info lines
    CommandEntry{"KOUZLO", 27, cmdKouzlo, "UMIME:kouzlo NEUMIME:kouzlo"},  // teach or remove spells
    CommandEntry{"UTOK", 28, cmdUtok, kAttacks},  // teach or remove attacks
    CommandEntry{"AKCE", 28, cmdUtok, kAttacks},  // teach or remove attacks, other name
    CommandEntry{"ZMENOTAZKU", 29, cmdZmenOtazku, "TEXT:text/otazka OTAZKA:text/otazka BARVA"},  // menu heading
    CommandEntry{"ODSTRANOBJEKT", 30, cmdOdstranObjekt, "#objekt=cislo"},  // take story objects
    CommandEntry{"ODSTRANPREDMET", 31, cmdOdstranPredmet, kItems},  // take items
    CommandEntry{"ZVYSPROMENNOU", 34, cmdZvysPromennou, kVariables},  // raise variables
    CommandEntry{"SNIZPROMENNOU", 35, cmdSnizPromennou, kVariables},  // lower variables
    CommandEntry{"ZMENJMENO", 36, cmdZmenJmeno, "TEXT:text/jmeno JMENO:text/jmeno"},  // rename the hero
    CommandEntry{"ZMENZBRAN", 37, cmdZmenZbran, "#zbran=zbran"},  // equip a weapon
    CommandEntry{"ZMENZBROJ", 38, cmdZmenZbroj, "#zbroj=zbroj"},  // equip an armour
    CommandEntry{"ODSTRANZBRAN", 39, cmdOdstranZbran, "*=zbran"},  // take weapons
    CommandEntry{"ODSTRANZBROJ", 40, cmdOdstranZbroj, "*=zbroj"},  // take armours
    CommandEntry{"ZAPNIINFO", 41, cmdZapniInfo, ""},  // info lines on
    CommandEntry{"VYPNIINFO", 42, cmdVypniInfo, ""},  // info lines off
    CommandEntry{"POCETPREDMETU", 43, cmdPocetPredmetu, "#promenna=predmet"},  // item count into a variable
    CommandEntry{"POCETOBJEKTU", 44, cmdPocetObjektu, "#promenna=objekt"},  // object count into a variable
    CommandEntry{"POCETZBRANI", 45, cmdPocetZbrani, "#promenna=zbran"},  // weapon count into a variable
    CommandEntry{"POCETZBROJI", 46, cmdPocetZbroji, "#promenna=zbroj"},  // armour count into a variable
    CommandEntry{"AUDIOSOUND", 47, cmdAudioSound, kSound},  // play a sound
    CommandEntry{"AUDIOTRACK", 48, cmdAudioTrack, kSound},  // play a music module
    CommandEntry{"AUDIOSTREAM", 49, cmdAudioStream, kSound},  // play streamed music
    CommandEntry{"AUDIOSTOP", 50, cmdAudioStop, ""},  // stop the music
    CommandEntry{"AUDIOPAUSE", 51, cmdAudioPause, ""},  // pause the music
    CommandEntry{"AUDIOCONTINUE", 52, cmdAudioContinue, ""},  // continue the music
    CommandEntry{"OBRAZEKVTEXTU", 53, cmdObrazekVTextu, kPictureOnPage},  // picture on the page
    CommandEntry{"PRODEJ", 54, cmdProdej, "TYP:prodej PROCENT:cislo"},  // sell screen
    CommandEntry{"ZAPNICISLALOKACI", 55, cmdZapniCislaLokaci, ""},  // show location numbers
    CommandEntry{"VYPNICISLALOKACI", 56, cmdVypniCislaLokaci, ""},  // hide location numbers
    CommandEntry{"ULOZPOCATECNIVLASTNOSTI", 57, cmdUlozPocatecniVlastnosti, ""},  // remember start attributes
    CommandEntry{"VYCHOZIBARVATEXTU", 58, cmdVychoziBarvaTextu, "BARVA"},  // default text colour
    CommandEntry{"VYCHOZIBARVAMENU", 59, cmdVychoziBarvaMenu, "BARVA"},  // default menu colour
    CommandEntry{"VZOREC", 60, cmdVzorec, "#promenna=vzorec"},  // formula into variables
    CommandEntry{"PREFIX", 61, cmdPrefix, kLibrary},  // library before every location
    CommandEntry{"SUFFIX", 62, cmdSuffix, kLibrary},  // library after every location
    CommandEntry{"ZAKAZPOSTAVUDOCASNE", 63, cmdZakazPostavuDocasne, ""},  // hide the character button here
    CommandEntry{"ZAKAZVYBAVENIDOCASNE", 64, cmdZakazVybaveniDocasne, ""},  // hide the equipment button here
    CommandEntry{"ZAKAZPOSTAVU", 65, cmdZakazPostavu, ""},  // hide the character button
    CommandEntry{"ZAKAZVYBAVENI", 66, cmdZakazVybaveni, ""},  // hide the equipment button
    CommandEntry{"POVOLPOSTAVU", 67, cmdPovolPostavu, ""},  // show the character button
    CommandEntry{"POVOLVYBAVENI", 68, cmdPovolVybaveni, ""},  // show the equipment button
    CommandEntry{"POVOLPOSTAVUDOCASNE", 69, cmdPovolPostavuDocasne, ""},  // show the character button here
    CommandEntry{"POVOLVYBAVENIDOCASNE", 70, cmdPovolVybaveniDocasne, ""},  // show the equipment button here
    CommandEntry{"VYPISUJPROMENNE", 71, cmdVypisujPromenne, ""},  // report variable changes
    CommandEntry{"NEVYPISUJPROMENNE", 72, cmdNevypisujPromenne, ""},  // stop reporting them
    CommandEntry{"SEZNAMPROMENNYCH", 73, cmdSeznamPromennych, ""},  // variable list on the page
    CommandEntry{"RETEZEC", 74, cmdRetezec, "#retezec=text"},  // string variables
    CommandEntry{"CASOVAC", 75, cmdCasovac, "VYPISUJ CAS:cislo ODKAZ:lokace"},  // countdown
    CommandEntry{"PRESMERUJ", 76, cmdPresmeruj, "JMENO:knihovna/retezec"},  // switch the story to a library
    CommandEntry{"SEZNAMPROMENNYCHSOUBOR", 77, cmdSeznamPromennychSoubor, ""},  // variable lists into files
    CommandEntry{"NASTAVPROMENNE", 78, cmdNastavPromenne, "CISLO:cislo POCET:cislo HODNOTA:cislo"},  // set a range of variables
};

}  // namespace

const CommandEntry* FindCommand(std::string_view name) {
    const auto it = std::find_if(kCommands.begin(), kCommands.end(),
                                 [&](const CommandEntry& e) { return e.name == name; });
    return it == kCommands.end() ? nullptr : &*it;
}

std::span<const CommandEntry> AllCommands() { return kCommands; }

namespace {

// What a layout says about one attribute name.
struct LayoutAnswer {
    bool named = false;     // the layout names attributes of its own
    bool numbered = false;  // ... and takes numbers for names ("#")
    bool anyName = false;   // ... or does not read the names ("*")
    bool found = false;     // `attribute` is one of its named ones
};

LayoutAnswer Ask(const CommandEntry& entry, std::string_view attribute) {
    LayoutAnswer answer;
    for (std::size_t at = 0; at < entry.atributy.size();) {
        std::size_t end = entry.atributy.find(' ', at);
        if (end == std::string_view::npos) end = entry.atributy.size();
        const std::string_view word = entry.atributy.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        if (word[0] == '*') answer.anyName = true;
        else if (word[0] == '#') answer.numbered = true;
        else answer.named = true;
        if (word.substr(0, word.find_first_of(":/")) == attribute) answer.found = true;
    }
    return answer;
}

}  // namespace

bool NamesAttribute(const CommandEntry& entry, std::string_view attribute) {
    return Ask(entry, attribute).found;
}

bool ReadsAttribute(const CommandEntry& entry, std::string_view attribute) {
    const LayoutAnswer answer = Ask(entry, attribute);
    if (answer.found || answer.anyName) return true;
    if (!answer.numbered) return false;
    // A command with names of its own tells numbers from names; one without
    // takes every name for a number (and fails on one that is none).
    return !answer.named || parseInteger(attribute).has_value();
}

}  // namespace morvane
