#include <gtest/gtest.h>

#include "base/ScriptError.h"
#include "base/Win1250.h"
#include "interpreter/Substitute.h"
#include "parser/Effect.h"
#include "support/TestGame.h"

using namespace morvane;

namespace {

class SubstituteTest : public ::testing::Test {
protected:
    void SetUp() override {
        hrac().zivoty = 7;
        hrac().maxzivoty = 12;
        hrac().sila = 10;
        game().stavhry.promenne[5 - 1] = 42;
        game().stavhry.promenne[7 - 1] = -3;
        game().stavhry.promenne[999 - 1] = 9;
    }
    Game& game() { return t.game; }
    postava& hrac() { return t.game.hrac; }
    std::string sub(std::string_view text) { return Substitute(game(), text); }

    test::TestGame t;
};

TEST_F(SubstituteTest, ReferencesEndWhereTheirCharacterClassEnds) {
    EXPECT_EQ(sub(cz("Máš $ZIVOTY/$MAXZIVOTY životů")), cz("Máš 7/12 životů"));
    EXPECT_EQ(sub("$$5"), "$42");
    EXPECT_EQ(sub("$ 5 and $"), "$ 5 and $");
    EXPECT_EQ(sub("$5x"), "42x");
    EXPECT_EQ(sub("$zivoty5 $Zivoty"), "75 7");
    EXPECT_EQ(sub("$007 $999"), "-3 9");
    EXPECT_EQ(sub("$XYZ $ZIVOTYX"), "0 0");
    EXPECT_EQ(sub(cz("$ŽIVOTY")), cz("$ŽIVOTY"));  // accented letters start no name
    EXPECT_EQ(sub(std::string(40, 'A').insert(0, "$")), "0");
    // Numbers that name no variable read as 0.
    EXPECT_EQ(sub("$0 $1000 $2147483647"), "0 0 0");
}

TEST_F(SubstituteTest, StringVariablesAreInsertedWithoutRescanning) {
    game().stavhry.retezce[3 - 1].assign("abc");
    game().stavhry.retezce[10 - 1].assign("$ZIVOTY");
    EXPECT_EQ(sub("<$RETEZEC3|$retezec03>"), "<abc|abc>");
    EXPECT_EQ(sub("<$RETEZEC10>"), "<$ZIVOTY>");
    EXPECT_EQ(sub("<$RETEZEC12|$RETEZEC0>"), "<|>");
    EXPECT_EQ(sub("$RETEZECX3"), "03");  // another name, followed by "3"
}

TEST_F(SubstituteTest, NumbersBeyond32BitsAndBareRetezecAreConversionErrors) {
    try {
        sub("a $99999999999 b");
        FAIL() << "no error";
    } catch (const ScriptError& e) {
        EXPECT_STREQ(e.what(), "'99999999999' is not a valid integer value");
    }
    EXPECT_THROW(sub("$RETEZEC"), ScriptError);
    EXPECT_THROW(sub("$RETEZEC99999999999"), ScriptError);
}

TEST_F(SubstituteTest, SpecialValuesReadTheGameAsItStands) {
    hrac().jmeno.assign(cz("Žofie"));
    hrac().startjmeno.assign("Anna");
    hrac().zasazenvsouboji = 5;
    hrac().zbran.cislo = 3;
    hrac().zbran.poskozeni = 2;
    game().stavhry.lokace = 37;
    game().vysledeksouboje = 2;
    game().bonusy.maxzivoty = 4;
    EXPECT_EQ(sub("$CAS $DATUM"), "9:07:04 5.3.2024");
    EXPECT_EQ(sub("$JMENO/$STARTJMENO"), cz("Žofie/Anna"));
    EXPECT_EQ(sub("$ZASAZENVSOUBOJI $LOKACE $VYSLEDEKSOUBOJE"), "1 37 2");
    EXPECT_EQ(sub("$CISLOZBRANE $CISLOZBROJE $POSKOZENI"), "3 0 2");
    EXPECT_EQ(sub("$SOUBOJZIVOTY $MAXZIVOTY"), "16 12");
    t.clock.time = {1999, 12, 31, 23, 59, 9};
    EXPECT_EQ(sub("$cas $datum"), "23:59:09 31.12.1999");
}

TEST_F(SubstituteTest, PureValuesTakeOutTheEquipmentModifiersOnly) {
    hrac().zbran.pocetefektu = 3;
    hrac().zbran.efekty[0] = ParseEffect("sila+2");
    hrac().zbran.efekty[1] = ParseEffect("sila-1");
    hrac().zbran.efekty[2] = ParseEffect("sila*5");
    hrac().zbroj.pocetefektu = 1;
    hrac().zbroj.efekty[0] = ParseEffect("maxzivoty+3");
    EXPECT_EQ(sub("$CISTYSILA $SILA"), "9 10");
    EXPECT_EQ(sub("$CISTYMAXZIVOTY $MAXZIVOTY $CISTYMANA"), "9 12 0");
    EXPECT_EQ(hrac().sila, 10);
    EXPECT_EQ(hrac().maxzivoty, 12);
    // Modifiers past the count do not count; a count past the list is cut to it.
    hrac().zbran.pocetefektu = 1;
    EXPECT_EQ(PureAttribute(game(), "sila"), 8);
    hrac().zbran.pocetefektu = 100;
    EXPECT_EQ(PureAttribute(game(), "sila"), 9);
}

}  // namespace
