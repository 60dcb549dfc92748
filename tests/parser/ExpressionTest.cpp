#include <gtest/gtest.h>


#include <array>
#include <climits>
#include <set>

#include "base/ScriptError.h"
#include "interpreter/Formula.h"
#include "parser/Expression.h"
#include "support/TestGame.h"

using namespace morvane;

namespace {

std::string errorOf(std::string_view formula) {
    try {
        EvaluateExpression(formula);
    } catch (const ScriptError& e) {
        return e.what();
    }
    return "no error";
}

struct Case {
    const char* formula;
    std::int32_t value;
};

TEST(Expression, GrammarPrecedenceRoundingAndWhereReadingStops) {
    const Case cases[] = {
        {"2+3*4", 14}, {"(2+3)*4", 20}, {"10-2-3", 5}, {"12/2*3", 18}, {" ( 1 + 2 ) * 3 ", 9},
        {"", 0}, {"abc", 0}, {"-", 0}, {"5 5", 5}, {"--5", -5}, {"- 5", 0}, {"+7", 7},
        {"5x+1", 5}, {"2*3)7", 6}, {"2*(3+4]", 14},
        // An unclosed parenthesis is closed by the end of the text.
        {"2*(3+4", 14}, {"((2+1", 3},
        {"7/2", 3}, {"-7/2", -3}, {"-7%2", -1}, {"7%-2", 1},
        {"7:2", 4}, {"5:2", 2}, {"7:3", 2}, {"8:3", 3}, {"-7:2", -4}, {"-5:2", -2}, {"5:-3", -2},
        {"2147483647:2", 1073741824},
        // Wrapping at 32 bits, also where the quotient leaves the range.
        {"2147483647+1", INT_MIN}, {"65536*65536", 0}, {"(0-2147483647-1)/-1", INT_MIN},
        {"(0-2147483647-1):-1", INT_MIN}, {"(0-2147483647-1)%-1", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(EvaluateExpression(c.formula), c.value) << c.formula;
}

TEST(Expression, DivisionByZeroAndRunawayNestingAreErrors) {
    EXPECT_EQ(errorOf("1/0"), "Division by zero");
    EXPECT_EQ(errorOf("1%(2-2)"), "Division by zero");
    EXPECT_EQ(errorOf("1:0"), "Floating point division by zero");
    EXPECT_EQ(errorOf("0:0"), "Invalid floating point operation");
    EXPECT_EQ(errorOf(std::string(100000, '(')), "Stack overflow");
    EXPECT_EQ(EvaluateExpression(std::string(500, '(') + "7"), 7);
}

TEST(Dice, TextsGiveCountSidesAndBonus) {
    const kostka d = ParseDice("2k6+1");
    EXPECT_EQ((std::array{d.pocet, d.strany, d.bonus}), (std::array{2, 6, 1}));
    EXPECT_EQ(ParseDice("3k10").bonus, 0);
    EXPECT_EQ(ParseDice("1k6-2").bonus, -2);
    EXPECT_EQ(ParseDice("1k6;+2").bonus, 0);
    for (const char* bad : {"2k6 + 1", "k6", "2k", "2K6", "26", " 2k6", "2k6-", "2k6+99999999999"}) {
        EXPECT_THROW(ParseDice(bad), ScriptError) << bad;
    }
}

TEST(Dice, RollsStayWithinTheBoundsAndFollowTheSeed) {
    auto random = makeSeededRandom(7);
    const kostka d = ParseDice("2k6+1");
    std::set<std::int32_t> seen;
    for (int i = 0; i < 500; ++i) seen.insert(RollDice(*random, d));
    EXPECT_EQ(seen.size(), 11u);
    EXPECT_EQ(*seen.begin(), DiceMinimum(d));
    EXPECT_EQ(*seen.rbegin(), DiceMaximum(d));
    EXPECT_EQ(DiceMaximum(d), 13);
    EXPECT_EQ(RollDice(*random, ParseDice("1k1+0")), 1);
    EXPECT_EQ(RollDice(*random, ParseDice("0k6+3")), 3);
    // A die without sides shows 1, no dice are rolled for a negative count,
    // and the bounds agree with both.
    for (const kostka odd : {kostka{0, 2, 0}, kostka{6, -2, 4}}) {
        const std::int32_t roll = RollDice(*random, odd);
        EXPECT_EQ(DiceMinimum(odd), roll);
        EXPECT_EQ(DiceMaximum(odd), roll);
    }
    auto a = makeSeededRandom(99), b = makeSeededRandom(99);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(RollDice(*a, d), RollDice(*b, d));
}

TEST(Dice, AHugeCountIsRefusedAtOnceAndRealCountsKeepTheirSeededRolls) {
    auto random = makeSeededRandom(3);
    EXPECT_THROW(RollDice(*random, ParseDice("2147483647k1")), ScriptError);
    EXPECT_THROW(RollDice(*random, ParseDice("10001k6")), ScriptError);
    // The limit itself still rolls every die, one draw each, in order.
    auto a = makeSeededRandom(5), b = makeSeededRandom(5);
    std::int32_t sum = 0;
    for (int i = 0; i < 10000; ++i) sum += 1 + b->below(6);
    EXPECT_EQ(RollDice(*a, ParseDice("10000k6")), sum);
    EXPECT_EQ(a->below(1000), b->below(1000));
}

class FormulaTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.game.hrac.zbran.utok = ParseDice("2k6+1");
        t.game.hrac.zbran.poskozeni = 3;
        t.game.hrac.sila = 5;
    }
    std::int32_t eval(std::string_view text, FormulaForm form) {
        return EvaluateFormula(t.game, text, form);
    }
    test::TestGame t;
};

TEST_F(FormulaTest, MarkersTakeTheWeaponStrengthAndFightBonuses) {
    EXPECT_EQ(eval("#zbran+#sila", FormulaForm::Minimum), 8);
    EXPECT_EQ(eval("#zbran+#sila", FormulaForm::Maximum), 18);
    t.game.bonusy.utok = 2;
    t.game.bonusy.poskozeni = -1;
    EXPECT_EQ(eval("#sila*10+#poskozeni", FormulaForm::Rolling), 72);
    EXPECT_EQ(eval("$SILA+#Sila", FormulaForm::Rolling), 5);  // markers are case-sensitive
    for (int i = 0; i < 50; ++i) {
        // One roll serves every marker.
        EXPECT_EQ(eval("#zbran-#zbran", FormulaForm::Rolling), 0);
        const std::int32_t roll = eval("#zbran", FormulaForm::Rolling);
        EXPECT_GE(roll, 3);
        EXPECT_LE(roll, 13);
    }
}

}  // namespace
