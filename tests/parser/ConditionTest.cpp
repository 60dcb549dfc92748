#include <gtest/gtest.h>

#include "base/ScriptError.h"
#include "base/Win1250.h"
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

TEST(ParseCondition, KeyWordsAreRecognisedByTheirFirstLetters) {
    EXPECT_EQ(parse("[ZBRANI 2 > \"0]").klic, 13);
    EXPECT_EQ(parse("[ZBRANIALL 2 > \"0]").klic, 15);
    EXPECT_EQ(parse("[zbrojiallx 2 > \"0]").klic, 16);
    EXPECT_EQ(parse("[ZIVOTYX 0 > \"5]").klic, 3);
    EXPECT_EQ(parse("[MaxMana 0 > \"5]").klic, 6);
    EXPECT_EQ(parse("[CISLOZBROJE 0 = \"1]").klic, 12);
    EXPECT_EQ(parse("[ZIVOT 0 > \"5]").klic, 0);  // not yet a key
    const podminka item = parse("[PREDMETY 3 > \"0]");
    EXPECT_EQ(item.predmet, 1);
    EXPECT_EQ(item.klic, 0);
    EXPECT_EQ(parse("[objekt 4 = \"1]").objekt, 1);
    EXPECT_EQ(parse("[OBJEKT 4 = \"1]").predmet, 0);
}

TEST(ParseCondition, ReadsOperandsOperatorAndTheLiteralQuote) {
    const podminka full = parse("[  ZBRANI  $5  >=  \" 7\" ignored]");
    EXPECT_EQ(full.levy.view(), "$5");
    EXPECT_EQ(full.porovnani.view(), ">=");
    EXPECT_EQ(full.pravy.view(), "7");
    EXPECT_EQ(full.pravyjepromenna, 0);
    EXPECT_EQ(full.vysledek, 0);
    EXPECT_EQ(parse("[12 >= 5]").pravyjepromenna, 1);
    const podminka bare = parse("[12 \"0]");
    EXPECT_TRUE(bare.porovnani.empty());
    EXPECT_EQ(bare.pravy.view(), "0");
    // The text ends at the first "]".
    const podminka cut = parse("[5 >] \"3");
    EXPECT_TRUE(cut.pravy.empty());
    EXPECT_EQ(cut.pravyjepromenna, 1);
    EXPECT_EQ(parse("[" + std::string(60, '9') + " = \"1]").levy.view(), std::string(50, '9'));
    // Library conditions have no bracket and may lack the "]".
    std::int32_t counter = 0;
    const podminka library = ParseCondition("MANA 1 < \"10", 0, counter);
    EXPECT_EQ(library.klic, 5);
    EXPECT_EQ(library.pravy.view(), "10");
    EXPECT_EQ(ParseCondition("", 0, counter).levy.size(), 0u);
}

TEST(ParseCondition, EveryParseTakesTheNextNumber) {
    std::int32_t counter = 41;
    EXPECT_EQ(ParseCondition("[5 = \"1]", 1, counter).cislo, 42);
    EXPECT_EQ(ParseCondition("[5 = \"1]", 1, counter).cislo, 43);
    EXPECT_EQ(counter, 43);
    counter = INT32_MAX;
    EXPECT_EQ(ParseCondition("[5 = \"1]", 1, counter).cislo, INT32_MIN);
}

TEST_F(ConditionGame, ComparesVariablesWithLiteralsOrOtherVariables) {
    variable(12) = 5;
    variable(5) = 9;
    EXPECT_TRUE(holds("[12 >= \"5]"));
    EXPECT_FALSE(holds("[12 >= 5]"));  // variable 12 against variable 5
    EXPECT_TRUE(holds("[12 < 5]"));
    variable(7) = 1;
    variable(5) = 7;
    EXPECT_TRUE(holds("[$5 = \"1]"));  // the variable named by variable 5
    EXPECT_TRUE(holds("[12 \"0]"));    // no operator: differs
    EXPECT_FALSE(holds("[13 \"0]"));
    EXPECT_TRUE(holds("[12 >< \"4]"));
    EXPECT_TRUE(holds("[12 =< \"5]"));
    EXPECT_FALSE(holds("[12 => \"6]"));
    EXPECT_TRUE(holds("[12 >=> \"4]"));  // an unknown operator means "differs"
    // Numbers that name no variable read as 0.
    EXPECT_TRUE(holds("[1000 = \"0]"));
    EXPECT_TRUE(holds("[0 = 99999]"));
}

TEST_F(ConditionGame, KeysReadTheHeroAndWhatHeOwns) {
    game.hrac.zivoty = 7;
    game.hrac.penize = 50;
    game.hrac.zbran.cislo = 2;
    game.zbrane[3].mnozstvi = 1;
    game.predmety[3].mnozstvi = 2;
    game.objekty[4].mnozstvi = -1;
    EXPECT_TRUE(holds("[ZIVOTY 0 > \"5]"));
    EXPECT_TRUE(holds("[PENIZE 999999 >= \"50]"));  // any number in the left place
    EXPECT_TRUE(holds("[CISLOZBRANE 0 = \"2]"));
    EXPECT_TRUE(holds("[PREDMET 3 = \"2]"));
    EXPECT_TRUE(holds("[OBJEKT 4 < \"0]"));
    EXPECT_TRUE(holds("[PREDMET 101 = \"0]"));
    EXPECT_FALSE(holds("[ZBRANI 2 > \"0]"));
    EXPECT_TRUE(holds("[ZBRANIALL 2 = \"1]"));  // only the equipped one
    EXPECT_TRUE(holds("[ZBRANIALL 3 = \"1]"));
    EXPECT_TRUE(holds("[ZBROJIALL 0 = \"0]"));  // the empty slot is no armour 0
    EXPECT_TRUE(holds("[ZIVOTY $ZIVOTY = \"7]"));
}

TEST_F(ConditionGame, OperandsThatAreNoNumbersFail) {
    for (const char* text : {"[ZIVOTY > \"5]", "[5 > \"x]", "[5 >]", "[PREDMET abc = \"1]"}) {
        EXPECT_THROW(holds(text), ScriptError) << text;
    }
    try {
        holds("[ZIVOTY > \"5]");
    } catch (const ScriptError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
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
    EXPECT_EQ(describe("[ENERGIE 0 \"1]"), cz("Energie  1"));
    EXPECT_EQ(describe("[ZKUSENOSTI x <> \"1]"), cz("Počet XP nerovná se 1"));  // left not read
    for (const char* special :
         {"[PREDMET 3 > \"0]", "[OBJEKT 1 = \"1]", "[5 = \"1]", "[ZBRANI 1 > \"0]"}) {
        EXPECT_EQ(describe(special), cz("Zvláštní podmínky použití!")) << special;
    }
    // A right operand that cannot be substituted is shown as written.
    EXPECT_EQ(describe("[ZIVOTY 0 > $99999999999]"), cz("Počet životů je větší $99999999999"));
}
