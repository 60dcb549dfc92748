#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "base/GameEnded.h"
#include "base/ScriptError.h"
#include "character/HeroEffects.h"
#include "parser/Effect.h"
#include "support/TestGame.h"

using namespace morvane;

namespace {

std::tuple<std::string, char, std::int32_t, std::int32_t> parts(const efekt& e) {
    return {e.nazev.str(), e.operace, e.hodnota, e.cislo};
}

TEST(Effect, ModifierTextsGiveNameOperatorAmountAndNumber) {
    EXPECT_EQ(parts(ParseEffect("Sila + 2")), std::make_tuple("sila", '+', 2, 0));
    EXPECT_EQ(parts(ParseEffect("promenna7-3")), std::make_tuple("promenna", '-', 3, 7));
    EXPECT_EQ(parts(ParseEffect("pro1men2na=x5")), std::make_tuple("promenna", '=', 5, 12));
    EXPECT_EQ(parts(ParseEffect("energie")), std::make_tuple("energie", '0', 0, 0));
    EXPECT_EQ(ParseEffect(std::string(150, 'a') + "+1").nazev.size(), 100u);
    EXPECT_THROW(ParseEffect("sila+"), ScriptError);
    EXPECT_THROW(ParseEffect("sila+99999999999"), ScriptError);
}

class EffectRules : public ::testing::Test {
protected:
    test::TestGame t;
    postava& hrac = t.game.hrac;
};

TEST_F(EffectRules, OnlyPlusAndMinusOfTheSixAttributesChangeAnythingAndUndoReverses) {
    hrac.sila = 10;
    hrac.zivoty = 5;
    ApplyEffect(t.game, ParseEffect("sila+2"));
    EXPECT_EQ(hrac.sila, 12);
    UndoEffect(t.game, ParseEffect("sila+2"));
    EXPECT_EQ(hrac.sila, 10);
    ApplyEffect(t.game, ParseEffect("maxmana-4"));
    EXPECT_EQ(hrac.maxmana, -4);
    UndoEffect(t.game, ParseEffect("maxmana-4"));
    EXPECT_EQ(hrac.maxmana, 0);
    for (const char* inert : {"sila*2", "sila=1", "sila", "zivoty+5", "Sila+1"}) {
        efekt e = ParseEffect(inert);
        if (std::string_view(inert) == "Sila+1") e.nazev.assign("Sila");  // names are exact
        ApplyEffect(t.game, e);
        UndoEffect(t.game, e);
        EXPECT_EQ(hrac.sila, 10) << inert;
        EXPECT_EQ(hrac.zivoty, 5) << inert;
    }
}

TEST_F(EffectRules, ClampCapsAtMaximaWithBonusesRaisesOnlyManaAndEndsTheGameBelowOne) {
    hrac.maxzivoty = 10;
    hrac.zivoty = 14;
    hrac.maxmana = 6;
    hrac.mana = -2;
    ClampHitPointsAndMana(t.game);
    EXPECT_EQ(hrac.zivoty, 10);
    EXPECT_EQ(hrac.mana, 0);
    t.game.bonusy.maxzivoty = 3;
    t.game.bonusy.maxmana = 1;
    hrac.zivoty = 20;
    hrac.mana = 20;
    ClampHitPointsAndMana(t.game);
    EXPECT_EQ(hrac.zivoty, 13);
    EXPECT_EQ(hrac.mana, 7);
    EXPECT_EQ(t.frontend.deaths, 0);

    // Hit points below one show death and end the game.
    t.game.bonusy.maxzivoty = 0;
    hrac.zivoty = -3;
    EXPECT_THROW(ClampHitPointsAndMana(t.game), GameEnded);
    EXPECT_EQ(hrac.zivoty, -3);
    EXPECT_EQ(t.frontend.deaths, 1);
    // The limit is applied before the check: a maximum below 1 kills too.
    hrac.zivoty = 5;
    hrac.maxzivoty = 0;
    EXPECT_THROW(ClampHitPointsAndMana(t.game), GameEnded);
    EXPECT_EQ(t.frontend.deaths, 2);
}

TEST(Category, WordsSelectKindsWithoutRegardToCase) {
    EXPECT_EQ((std::array{CategoryCode("zbranezbroje"), CategoryCode("ZbrojeZbrane"),
                          CategoryCode("PREDMETYZBROJE"), CategoryCode("predmetyzbrane"),
                          CategoryCode("NIC")}),
              (std::array{4, 4, 6, 5, 0}));
}

}  // namespace
