#pragma once
// A game with a small library of weapons, armours and items read from its own
// files, a shop file, and a hero with 30 gold, for the shop, sell and
// inventory tests.
#include <string>
#include <string_view>

#include "base/Win1250.h"
#include "character/Equipment.h"
#include "content/ContentLoader.h"
#include "support/StoryGame.h"

namespace morvane::test {

// Weapons: 1 Dýka (equipped at the start), 2 Meč (sila+2, obratnost-1, needs
// strength 5), 3 Kyj (free). Armours: 1 Kůže (equipped), 2 Kroužky (attack
// penalty 2, maxzivoty+5, price 29). Items: 1 Lektvar heals 10, 2 Jed takes
// 30 hit points, 3 Bomba is for fights, 4 Svitek (free) needs 100 hit points,
// 5 Elixír does five things at once.
inline constexpr std::string_view kTradeWeapons =
    "1,\"Dýka\",\"Krátká čepel.\",1k4,1,10\n"
    "2,\"Meč\",\"Dlouhá čepel.\",1k6-1,2,15,sila+2,obratnost-1,[SILA 0 >= \"5]\n"
    "3,\"Kyj\",\"\",1k3,0,0,promenna1+1\n";
inline constexpr std::string_view kTradeArmours =
    "1,\"Kůže\",\"Měkká.\",3,2,0,8\n"
    "2,\"Kroužky\",\"Těžké.\",5,3,2,29,maxzivoty+5\n";
inline constexpr std::string_view kTradeItems =
    "1,\"Lektvar\",\"Hojí rány.\",5,vzdy,zivoty+10\n"
    "2,\"Jed\",\"Nepij.\",3,mimoboj,zivoty-30\n"
    "3,\"Bomba\",\"Vybuchne.\",20,boj,nzivoty-50\n"
    "4,\"Svitek\",\"Mocný.\",0,vzdy,[ZIVOTY 0 > \"100],sila+1\n"
    "5,\"Elixír\",\"\",1,vzdy,maxzivoty-15,mana+20,sila-1,xp+3,promenna7=4\n";

struct TradeGame : StoryGame {
    explicit TradeGame(std::string_view story = "<1>\r\n", std::string_view shops = {})
        : StoryGame(story) {
        folder.write("data/zbrane.vrn", cz(kTradeWeapons));
        folder.write("data/zbroje.vrn", cz(kTradeArmours));
        folder.write("data/predmety.vrn", cz(kTradeItems));
        if (!shops.empty()) folder.write("data/obchod.vrn", cz(shops));
        LoadContentTables(game);
        EquipStartingGear(game);
        game.mena = cz("zlaťáků");
        postava& hrac = game.hrac;
        hrac.penize = 30;
        hrac.zivoty = 18;
        hrac.maxzivoty = 20;
        hrac.mana = 5;
        hrac.maxmana = 10;
        hrac.sila = 4;
    }
};

// A Windows-1250 text of the core as UTF-8, for comparing with literals.
inline std::string utf8(const std::string& text) { return toUtf8(text); }

}  // namespace morvane::test
