#pragma once
// A game with a small content library, a hero, and dice that fall as the test
// says, for playing fights through the fight command and the screen's
// operations.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Win1250.h"
#include "character/Equipment.h"
#include "combat/FightCommand.h"
#include "combat/FightView.h"
#include "game/ContentLoader.h"
#include "interpreter/ChangeLoc.h"
#include "support/TempFolder.h"
#include "support/TestGame.h"

namespace morvane::test {

// Each queued face is the next die; an empty queue hands over to a seeded source.
class ScriptedDice : public RandomSource {
public:
    std::deque<std::int32_t> faces;
    std::int32_t below(std::int32_t range) override {
        if (faces.empty()) return fallback->below(range);
        const std::int32_t face = faces.front();
        faces.pop_front();
        return face - 1;
    }

private:
    std::unique_ptr<RandomSource> fallback = makeSeededRandom(1);
};

// Attacks: 1 "Sek" rolls 6 against the defence and 3 damage, costs 2 energy
// and 1 mana, and marks variables 1 (miss), 2 (hit) and 3 (always); 2
// "Drtivý" fells anything; 3 costs 20 energy; 4 needs 100 hit points; 5
// divides by zero; 6 is the weapon's own attack.
inline constexpr const char* kAttacks =
    "1,\"Sek\",\"Rána mečem.\",\"Zásah za #zasah#radek(#utok-#nobrana)\",\"Bez škody\","
    "\"Vedle\",2,1,6,3,!promenna1+1,:promenna2+1,promenna3+1\n"
    "2,\"Drtivý\",\"\",\"Drtí\",\"\",\"\",0,0,500,500\n"
    "3,\"Mocný\",\"\",\"\",\"\",\"\",20,0,1,1\n"
    "4,\"Zakázaný\",\"\",\"\",\"\",\"\",0,0,1,1,[ZIVOTY 0 > \"100]\n"
    "5,\"Nulový\",\"\",\"\",\"\",\"\",0,0,1/0,1\n"
    "6,\"Zbraní\",\"Seká zbraní, kterou právě drží v ruce, a to velmi silně.\",\"\",\"\",\"\","
    "0,0,#zbran+#sila,#poskozeni\n";

inline constexpr const char* kItems =
    "1,\"Bomba\",\"Vybuchne.\",5,boj,nzivoty-50,nzivoty-1\n"
    "2,\"Chleba\",\"\",1,mimoboj,zivoty+1\n"
    "3,\"Lektvar\",\"Hojí rány.\",5,vzdy,zivoty+10\n"
    "4,\"Svitek\",\"\",5,boj,[ZIVOTY 0 > \"100]\n"
    "5,\"Prach\",\"\",5,boj,ntvrdost+1\n";

inline constexpr const char* kSpells =
    "1,\"Síla života\",\"Posílí a hojí.\",4,maxzivoty+5,zivoty+10\n"
    "2,\"Meteor\",\"\",50,nzivoty-100\n";

struct FightGame {
    TempFolder folder;
    FakeFrontend frontend;
    FixedClock clock;
    ScriptedDice dice;
    Game game{frontend, clock, dice};

    ~FightGame() { ExpectEveryScreenPlayed(frontend); }

    // The hero: 20/20 hit points, 10/10 mana, agility 5, speed 2, energy 10,
    // a sword (1k6+1, damage 2) and leather (defence 3, toughness 2, penalty 1).
    explicit FightGame(std::string_view story = "<1>\r\n") {
        folder.write("data/data.vrn", cz(story));
        folder.write("data/zbrane.vrn", cz("1,\"Meč\",\"\",1k6+1,2,30\n"));
        folder.write("data/zbroje.vrn", cz("1,\"Kůže\",\"\",3,2,1,10\n"));
        folder.write("data/utoky.vrn", cz(kAttacks));
        folder.write("data/predmety.vrn", cz(kItems));
        folder.write("data/kouzla.vrn", cz(kSpells));
        game.pribeh.soubory.gameFolder = folder.path();
        LoadContentTables(game);
        EquipStartingGear(game);
        postava& hrac = game.hrac;
        hrac.jmeno.assign("Jan");
        hrac.zivoty = hrac.maxzivoty = 20;
        hrac.mana = hrac.maxmana = 10;
        hrac.obratnost = 5;
        hrac.rychlost = 2;
        hrac.energie = 10;
        for (int n = 1; n <= 6; ++n) game.utoky[n].umime = 1;
    }

    // Runs the fight command with `attributes`; `play` is the player at the screen.
    void fight(std::vector<param> attributes, std::function<void(Game&)> play) {
        frontend.fight = [this, play] { play(game); };
        cmdSouboj(game, tagg{"SOUBOJ", std::move(attributes)});
    }

    void go(std::int32_t location) { ChangeLoc(game, location); }
    FightView view() const { return DescribeFight(game); }
    std::int32_t var(int n) const { return game.stavhry.promenne[n - 1]; }
};

// A Windows-1250 text of the core as UTF-8, for comparing with literals.
inline std::string u8(const std::string& text) { return toUtf8(text); }

}  // namespace morvane::test
