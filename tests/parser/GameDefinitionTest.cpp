#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/Win1250.h"
#include "parser/GameDefinition.h"
#include "support/TempFolder.h"

using namespace morvane;

namespace {

// A record as the file stores it: the name field holds `length` and the
// given characters each plus 10.
TGameInit storedRecord(std::string_view name, std::uint8_t length) {
    TGameInit r;
    std::memset(&r, 0, sizeof r);
    for (std::size_t i = 0; i < name.size() && i < sizeof r.nazevhry.chars; ++i)
        r.nazevhry.chars[i] = static_cast<char>(name[i] + 10);
    r.nazevhry.length = length;
    return r;
}

std::string bytesOf(const TGameInit& r) {
    return std::string(reinterpret_cast<const char*>(&r), sizeof r);
}

}  // namespace

TEST(GameDefinition, LoadsTheFirstRecordAndDecodesItsName) {
    test::TempFolder game;
    TGameInit r = storedRecord(cz("HradX"), 5);  // the fifth stored character is dropped
    r.titulhry = cz("Hrad v mlze");
    r.mena = "";
    r.zadavanijmena = 2;
    r.penize = -5;
    r.vlastnosti[15] = 7;  // energy start value
    game.write("data/inicializace.vrn", bytesOf(r) + bytesOf(storedRecord("other", 6)));

    const GameDefinition def = GameDefinition::load(game.path());
    EXPECT_EQ(def.gameName(), "Hrad");
    EXPECT_EQ(def.title(), cz("Hrad v mlze"));
    EXPECT_EQ(def.currency(), "");
    EXPECT_FALSE(def.playerTypesHeroName());  // only the value 1 asks for the name
    EXPECT_EQ(def.startMoney(), -5);
    EXPECT_EQ(def.record().startValue(InitAttribute::Energie), 7);
}

TEST(GameDefinition, NameLengthsBelowTwoAreEmptyAndLongNamesAreCutTo30) {
    EXPECT_EQ(GameDefinition(storedRecord("abc", 0)).gameName(), "");
    EXPECT_EQ(GameDefinition(storedRecord("abc", 1)).gameName(), "");
    EXPECT_EQ(GameDefinition(storedRecord(cz("Čert"), 3)).gameName(), cz("Če"));

    const std::string longName = "abcdefghijklmnopqrstuvwxyz01234";  // 31 characters
    EXPECT_EQ(GameDefinition(storedRecord(longName, 31)).gameName(), longName.substr(0, 30));
    // A foreign length byte past the field still reads only the field.
    EXPECT_EQ(GameDefinition(storedRecord(longName, 255)).gameName(), longName.substr(0, 30));
}

TEST(GameDefinition, MissingOrShortFileIsAnErrorNamingTheFile) {
    test::TempFolder game;
    try {
        GameDefinition::load(game.path());
        FAIL() << "a missing file must not load";
    } catch (const GameFileError& e) {
        EXPECT_NE(std::string(e.what()).find("data/inicializace.vrn"), std::string::npos);
    }
    game.write("data/inicializace.vrn", bytesOf(storedRecord("ab", 3)).substr(0, 239));
    EXPECT_THROW(GameDefinition::load(game.path()), GameFileError);
}
