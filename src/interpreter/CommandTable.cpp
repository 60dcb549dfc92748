#include "interpreter/CommandTable.h"

#include <algorithm>
#include <array>

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

// Written once: every tag name, its selector and its handler. Selectors 32
// and 33 select nothing.
constexpr std::array kCommands = {
    CommandEntry{"TEXT", 1, cmdText},  // page text block
    CommandEntry{"MENU", 2, cmdMenu},  // menu item
    CommandEntry{"M", 2, cmdMenu},  // menu item, short name
    CommandEntry{"PROMENNA", 3, cmdPromenna},  // set variables
    CommandEntry{"INFO", 4, cmdInfo},  // info line
    CommandEntry{"SOUBOJ", 5, cmdSouboj},  // fight
    CommandEntry{"ZBRAN", 6, cmdZbran},  // give or take weapons
    CommandEntry{"ZBROJ", 7, cmdZbroj},  // give or take armours
    CommandEntry{"PREDMET", 8, cmdPredmet},  // give or take items
    CommandEntry{"OBJEKT", 9, cmdObjekt},  // define or give a story object
    CommandEntry{"OBCHOD", 10, cmdObchod},  // shop
    CommandEntry{"PENIZE", 11, cmdPenize},  // money
    CommandEntry{"SAVE", 12, cmdSave},  // offer saving
    CommandEntry{"KONEC", 13, cmdKonec},  // quit the program
    CommandEntry{"ZPET", 14, cmdZpet},  // menu item back
    CommandEntry{"ZKUSENOSTI", 15, cmdZkusenosti},  // experience points
    CommandEntry{"XP", 15, cmdZkusenosti},  // experience points, short name
    CommandEntry{"NAHODA", 16, cmdNahoda},  // roll dice into variables
    CommandEntry{"ZIVOTY", 17, cmdZivoty},  // hit points
    CommandEntry{"MANA", 18, cmdMana},  // mana
    CommandEntry{"MAXZIVOTY", 19, cmdMaxZivoty},  // maximum hit points
    CommandEntry{"MAXMANA", 20, cmdMaxMana},  // maximum mana
    CommandEntry{"SILA", 21, cmdSila},  // strength
    CommandEntry{"OBRATNOST", 22, cmdObratnost},  // agility
    CommandEntry{"RYCHLOST", 23, cmdRychlost},  // speed
    CommandEntry{"ENERGIE", 24, cmdEnergie},  // energy
    CommandEntry{"OBRAZEK", 25, cmdObrazek},  // picture in a window
    CommandEntry{"SMAZATINFO", 26, cmdSmazatInfo},  // empty the info lines
    CommandEntry{"KOUZLO", 27, cmdKouzlo},  // teach or remove spells
    CommandEntry{"UTOK", 28, cmdUtok},  // teach or remove attacks
    CommandEntry{"AKCE", 28, cmdUtok},  // teach or remove attacks, other name
    CommandEntry{"ZMENOTAZKU", 29, cmdZmenOtazku},  // menu heading
    CommandEntry{"ODSTRANOBJEKT", 30, cmdOdstranObjekt},  // take story objects
    CommandEntry{"ODSTRANPREDMET", 31, cmdOdstranPredmet},  // take items
    CommandEntry{"ZVYSPROMENNOU", 34, cmdZvysPromennou},  // raise variables
    CommandEntry{"SNIZPROMENNOU", 35, cmdSnizPromennou},  // lower variables
    CommandEntry{"ZMENJMENO", 36, cmdZmenJmeno},  // rename the hero
    CommandEntry{"ZMENZBRAN", 37, cmdZmenZbran},  // equip a weapon
    CommandEntry{"ZMENZBROJ", 38, cmdZmenZbroj},  // equip an armour
    CommandEntry{"ODSTRANZBRAN", 39, cmdOdstranZbran},  // take weapons
    CommandEntry{"ODSTRANZBROJ", 40, cmdOdstranZbroj},  // take armours
    CommandEntry{"ZAPNIINFO", 41, cmdZapniInfo},  // info lines on
    CommandEntry{"VYPNIINFO", 42, cmdVypniInfo},  // info lines off
    CommandEntry{"POCETPREDMETU", 43, cmdPocetPredmetu},  // item count into a variable
    CommandEntry{"POCETOBJEKTU", 44, cmdPocetObjektu},  // object count into a variable
    CommandEntry{"POCETZBRANI", 45, cmdPocetZbrani},  // weapon count into a variable
    CommandEntry{"POCETZBROJI", 46, cmdPocetZbroji},  // armour count into a variable
    CommandEntry{"AUDIOSOUND", 47, cmdAudioSound},  // play a sound
    CommandEntry{"AUDIOTRACK", 48, cmdAudioTrack},  // play a music module
    CommandEntry{"AUDIOSTREAM", 49, cmdAudioStream},  // play streamed music
    CommandEntry{"AUDIOSTOP", 50, cmdAudioStop},  // stop the music
    CommandEntry{"AUDIOPAUSE", 51, cmdAudioPause},  // pause the music
    CommandEntry{"AUDIOCONTINUE", 52, cmdAudioContinue},  // continue the music
    CommandEntry{"OBRAZEKVTEXTU", 53, cmdObrazekVTextu},  // picture on the page
    CommandEntry{"PRODEJ", 54, cmdProdej},  // sell screen
    CommandEntry{"ZAPNICISLALOKACI", 55, cmdZapniCislaLokaci},  // show location numbers
    CommandEntry{"VYPNICISLALOKACI", 56, cmdVypniCislaLokaci},  // hide location numbers
    CommandEntry{"ULOZPOCATECNIVLASTNOSTI", 57, cmdUlozPocatecniVlastnosti},  // remember start attributes
    CommandEntry{"VYCHOZIBARVATEXTU", 58, cmdVychoziBarvaTextu},  // default text colour
    CommandEntry{"VYCHOZIBARVAMENU", 59, cmdVychoziBarvaMenu},  // default menu colour
    CommandEntry{"VZOREC", 60, cmdVzorec},  // formula into variables
    CommandEntry{"PREFIX", 61, cmdPrefix},  // library before every location
    CommandEntry{"SUFFIX", 62, cmdSuffix},  // library after every location
    CommandEntry{"ZAKAZPOSTAVUDOCASNE", 63, cmdZakazPostavuDocasne},  // hide the character button here
    CommandEntry{"ZAKAZVYBAVENIDOCASNE", 64, cmdZakazVybaveniDocasne},  // hide the equipment button here
    CommandEntry{"ZAKAZPOSTAVU", 65, cmdZakazPostavu},  // hide the character button
    CommandEntry{"ZAKAZVYBAVENI", 66, cmdZakazVybaveni},  // hide the equipment button
    CommandEntry{"POVOLPOSTAVU", 67, cmdPovolPostavu},  // show the character button
    CommandEntry{"POVOLVYBAVENI", 68, cmdPovolVybaveni},  // show the equipment button
    CommandEntry{"POVOLPOSTAVUDOCASNE", 69, cmdPovolPostavuDocasne},  // show the character button here
    CommandEntry{"POVOLVYBAVENIDOCASNE", 70, cmdPovolVybaveniDocasne},  // show the equipment button here
    CommandEntry{"VYPISUJPROMENNE", 71, cmdVypisujPromenne},  // report variable changes
    CommandEntry{"NEVYPISUJPROMENNE", 72, cmdNevypisujPromenne},  // stop reporting them
    CommandEntry{"SEZNAMPROMENNYCH", 73, cmdSeznamPromennych},  // variable list on the page
    CommandEntry{"RETEZEC", 74, cmdRetezec},  // string variables
    CommandEntry{"CASOVAC", 75, cmdCasovac},  // countdown
    CommandEntry{"PRESMERUJ", 76, cmdPresmeruj},  // switch the story to a library
    CommandEntry{"SEZNAMPROMENNYCHSOUBOR", 77, cmdSeznamPromennychSoubor},  // variable lists into files
    CommandEntry{"NASTAVPROMENNE", 78, cmdNastavPromenne},  // set a range of variables
};

}  // namespace

const CommandEntry* FindCommand(std::string_view name) {
    const auto it = std::find_if(kCommands.begin(), kCommands.end(),
                                 [&](const CommandEntry& e) { return e.name == name; });
    return it == kCommands.end() ? nullptr : &*it;
}

std::span<const CommandEntry> AllCommands() { return kCommands; }

}  // namespace morvane
