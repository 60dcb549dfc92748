#include <gtest/gtest.h>

#include "base/ScriptError.h"
#include "base/Win1250.h"
#include "interpreter/ConditionEvaluate.h"
#include "parser/Condition.h"
#include "support/TestGame.h"

using namespace morvane;

namespace {

// A condition as a location writes it, with its "[".
podminka parse(std::string_view text) {
    std::int32_t counter = 0;
    return ParseCondition(text, 1, counter);
}

class ConditionGame : public ::testing::Test {
protected:
    test::TestGame setup;
    Game& game = setup.game;

    std::int32_t& variable(int n) { return game.stavhry.promenne[n - 1]; }
    bool holds(std::string_view text) { return EvaluateCondition(game, parse(text)); }
    std::string describe(std::string_view text) { return DescribeCondition(game, parse(text)); }
};

}  // namespace

// A condition's fields, key first: klic/predmet/objekt|levy|porovnani|"pravy.
std::string fields(const podminka& c) {
    return std::to_string(c.klic) + "/" + std::to_string(c.predmet) + "/" +
           std::to_string(c.objekt) + "|" + c.levy.str() + "|" + c.porovnani.str() + "|" +
           (c.pravyjepromenna ? "" : "\"") + c.pravy.str();
}

TEST(ParseCondition, KeysAreTakenByPrefixAndOperandsAsWritten) {
    EXPECT_EQ(fields(parse("[ZBRANI 2 > \"0]")), "13/0/0|2|>|\"0");
    EXPECT_EQ(fields(parse("[ZBRANIALL 2 > \"0]")), "15/0/0|2|>|\"0");
    EXPECT_EQ(fields(parse("[  zbrojiallx  $5  >=  \" 7\" x]")), "16/0/0|$5|>=|\"7");
    EXPECT_EQ(fields(parse("[ZIVOTYX 0 => 5]")), "3/0/0|0|=>|5");
    EXPECT_EQ(fields(parse("[ZIVOT 0 < 5]")), "0/0/0|0|<|5");  // not yet a key
    EXPECT_EQ(fields(parse("[PREDMETY 3 > \"0]")), "0/1/0|3|>|\"0");
    EXPECT_EQ(fields(parse("[objekt 4 = \"1]")), "0/0/1|4|=|\"1");
    EXPECT_EQ(fields(parse("[12 \"0]")), "0/0/0|12||\"0");
    EXPECT_EQ(fields(parse("[5 >] \"3")), "0/0/0|5|>|");  // the text ends at "]"
    EXPECT_EQ(parse("[" + std::string(60, '9') + " = \"1]").levy.view(), std::string(50, '9'));
    // Library conditions have no bracket and may lack the "]".
    std::int32_t counter = 41;
    EXPECT_EQ(fields(ParseCondition("MANA 1 < \"10", 0, counter)), "5/0/0|1|<|\"10");
    // Every parse takes the next number, also for the same text.
    EXPECT_EQ(ParseCondition("[5 = \"1]", 1, counter).cislo, 43);
    counter = INT32_MAX;
    EXPECT_EQ(ParseCondition("[5 = \"1]", 1, counter).cislo, INT32_MIN);
}

TEST_F(ConditionGame, ComparesVariablesItemsObjectsAndKeys) {
    variable(12) = 5;
    variable(5) = 7;
    variable(7) = 1;
    EXPECT_TRUE(holds("[12 >= \"5]"));
    EXPECT_FALSE(holds("[12 >= 5]"));  // variable 12 against variable 5
    EXPECT_TRUE(holds("[$5 = \"1]"));  // the variable that variable 5 names
    EXPECT_TRUE(holds("[12 \"0]") && !holds("[13 \"0]"));  // no operator: differs
    EXPECT_TRUE(holds("[12 >< \"4]") && holds("[12 =< \"5]") && !holds("[12 => \"6]"));
    EXPECT_TRUE(holds("[1000 = \"0]") && holds("[0 = 99999]"));  // no such variable: 0

    game.hrac.zivoty = 7;
    game.hrac.zbran.cislo = 2;
    game.zbrane[3].mnozstvi = 1;
    game.predmety[3].mnozstvi = 2;
    game.objekty[4].mnozstvi = -1;
    EXPECT_TRUE(holds("[ZIVOTY 999999 > \"5]"));  // any number in the left place
    EXPECT_TRUE(holds("[ZIVOTY $ZIVOTY = \"7]"));
    EXPECT_TRUE(holds("[PREDMET 3 = \"2]") && holds("[PREDMET 101 = \"0]"));
    EXPECT_TRUE(holds("[OBJEKT 4 < \"0]"));
    EXPECT_FALSE(holds("[ZBRANI 2 > \"0]"));
    EXPECT_TRUE(holds("[ZBRANIALL 2 = \"1]") && holds("[ZBRANIALL 3 = \"1]"));
    EXPECT_TRUE(holds("[ZBROJIALL 0 = \"0]"));  // the empty slot is no armour 0

    for (const char* text : {"[ZIVOTY > \"5]", "[5 > \"x]", "[5 >]", "[PREDMET abc = \"1]"}) {
        EXPECT_THROW(holds(text), ScriptError) << text;
    }
}

TEST_F(ConditionGame, DescriptionsNameTheKeyTheOperatorAndTheRightOperand) {
    EXPECT_EQ(describe("[MANA 1 < \"10]"), cz("Mana je menší 10"));
    EXPECT_EQ(describe("[PENIZE 1 >= \"50]"), cz("Počet stříbrných je větší nebo rovno 50"));
    game.mena = std::string(40, 'x');
    // "Počet " and the currency name are cut to 36 characters together.
    EXPECT_EQ(describe("[PENIZE 1 = \"5]"),
              cz("Počet ") + std::string(30, 'x') + cz(" rovná se 5"));
    variable(3) = 8;
    EXPECT_EQ(describe("[MAXZIVOTY 0 => $3]"), cz("Max. životů je větší nebo rovno 8"));
    // A variable reference on the right shows its number, not its value.
    EXPECT_EQ(describe("[SILA 0 => 3]"), cz("Síla je větší nebo rovno 3"));
    EXPECT_EQ(describe("[ZKUSENOSTI x <> \"1]"), cz("Počet XP nerovná se 1"));  // left not read
    for (const char* special : {"[PREDMET 3 > \"0]", "[5 = \"1]", "[ZBRANI 1 > \"0]"}) {
        EXPECT_EQ(describe(special), cz("Zvláštní podmínky použití!")) << special;
    }
    // A right operand that cannot be substituted is shown as written.
    EXPECT_EQ(describe("[ZIVOTY 0 > $99999999999]"), cz("Počet životů je větší $99999999999"));
}
