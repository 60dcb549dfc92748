#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <initializer_list>
#include <memory>

#include "base/Win1250.h"
#include "character/Equipment.h"
#include "parser/Effect.h"
#include "support/StoryGame.h"

using namespace morvane;

namespace {

constexpr std::int32_t kAqua = 0xFFFF00, kLime = 0x00FF00, kRed = 0x0000FF, kSilver = 0xC0C0C0;

template <class Entry>
Entry& putEntry(Table<Entry, kTableEntries>& table, std::int32_t n, std::string_view name,
                std::initializer_list<std::string_view> effects = {}) {
    Entry& entry = table[n];
    entry.cislo = n;
    entry.nazev.assign(cz(name));
    for (std::string_view effect : effects) entry.efekty[entry.pocetefektu++] = ParseEffect(effect);
    return entry;
}

// Weapons 1 Dýka (sila+1), 2 Meč (sila+2, obratnost-1), 3 Sekera; armours
// 1 Kožená zbroj (maxzivoty+5), 2 Kroužková zbroj; item 1 Lektvar. Unequipped,
// the hero has sila 10, obratnost 10 and maxzivoty 20.
class Possessions : public ::testing::Test {
protected:
    void start(std::string_view story, std::int32_t armours = 2) {
        t = std::make_unique<test::StoryGame>(story);
        putEntry(game().zbrane, 1, "Dýka", {"sila+1"}).utok = kostka{4, 1, 0};
        putEntry(game().zbrane, 2, "Meč", {"sila+2", "obratnost-1"});
        putEntry(game().zbrane, 3, "Sekera");
        putEntry(game().zbroje, 1, "Kožená zbroj", {"maxzivoty+5"}).obrana = 2;
        putEntry(game().zbroje, 2, "Kroužková zbroj");
        putEntry(game().predmety, 1, "Lektvar");
        game().pocetzbrani = 3;
        game().pocetzbroji = armours;
        hrac().sila = hrac().obratnost = 10;
        hrac().maxzivoty = 20;
        EquipStartingGear(game());
    }
    void play(std::string_view story) {
        start(story);
        t->go(1);
    }
    Game& game() { return t->game; }
    postava& hrac() { return game().hrac; }
    std::int32_t variable(std::int32_t v) { return game().stavhry.promenne[v - 1]; }
    // Info line i (0 is the newest) in UTF-8, and its colour.
    std::string line(int i) { return toUtf8(game().historie[i].text); }
    std::int32_t colour(int i) { return game().historie[i].barva; }
    // The newest n info lines, oldest first.
    std::vector<std::string> said(int n) {
        std::vector<std::string> list;
        for (int i = n - 1; i >= 0; --i) list.push_back(line(i));
        return list;
    }
    const std::vector<std::string>& errors() { return t->frontend.errors; }

    std::unique_ptr<test::StoryGame> t;
};

TEST_F(Possessions, GainsReportQuantityKindAndNameAndCountsWrapAtTheirWidth) {
    play(
        "<1><ZBRAN 3=\"1\" 2=\"3\"><ZBROJ 2=\"0\"><PREDMET 1=\"-2\"><2>"
        "<ZBRAN 1=\"32767\" 1=\"1\"><ZBROJ 2=\"-32768\" 2=\"-1\"><PREDMET 1=\"2147483647\" 1=\"3\">"
        "<POCETZBRANI 5=\"1\"><POCETZBROJI 6=\"2\"><POCETPREDMETU 7=\"1\">");
    EXPECT_EQ(said(4), (std::vector<std::string>{
                           "Získal jsi zbraň Sekera!", "Získal jsi 3 x zbraň Meč!",
                           "Získal jsi zbroj Kroužková zbroj!", "Získal jsi předmět Lektvar!"}));
    EXPECT_EQ((std::array{colour(3), colour(1), colour(0)}), (std::array{kAqua, kWhite, kLime}));

    t->go(2);
    EXPECT_EQ((std::array{variable(5), variable(6), variable(7)}),
              (std::array{-32768, 32767, INT_MIN}));
}

TEST_F(Possessions, RemovalTakesThePackPieceBeforeTheEquippedOneAndItsBonuses) {
    play(
        "<1><ZBRAN 1=\"1\"><ODSTRANZBRAN X=\"1\"><POCETZBRANI 1=\"1\">"
        "<2><ODSTRANZBROJ X=\"1\"><ODSTRANZBRAN A=\"1\"><ODSTRANZBRAN B=\"1\">");
    // Only the pack piece went, and the equipped dagger is not counted.
    EXPECT_EQ(variable(1), 0);
    EXPECT_EQ(hrac().sila, 11);

    t->go(2);
    // The emptied slot holds nothing at all, not the dagger's leftovers.
    EXPECT_EQ(std::to_string(hrac().zbran.cislo) + hrac().zbran.nazev.str() +
                  hrac().zbran.popis.str() + std::to_string(hrac().zbran.utok.strany),
              "0Nic-0");
    EXPECT_EQ(hrac().sila, 10);
    EXPECT_EQ(hrac().zbroj.obrana, 0);
    EXPECT_EQ(hrac().maxzivoty, 20);
    // The third removal found nothing and said nothing.
    EXPECT_EQ(said(4), (std::vector<std::string>{"Získal jsi zbraň Dýka!", "Ztratil jsi Dýka!",
                                                  "Ztratil jsi Kožená zbroj!",
                                                  "Ztratil jsi Dýka!"}));
    EXPECT_EQ(colour(0), kRed);
}

TEST_F(Possessions, ChangeSwapsAPackPieceOrElseTheEquippedPieceWithItsBonuses) {
    play(
        "<1><ZBRAN 3=\"1\"><ZMENZBRAN 3=\"2\"><2><ZMENZBRAN 1=\"2\">"
        "<3><ZMENZBRAN 1=\"3\"><ZMENZBROJ 1=\"2\">");
    EXPECT_EQ(game().zbrane[3].mnozstvi, 0);
    EXPECT_EQ(game().zbrane[2].mnozstvi, 1);
    EXPECT_EQ(hrac().zbran.cislo, 1);
    EXPECT_EQ(line(0), "Tvůj Sekera se změnil na Meč");

    // The dagger is only equipped: the sword replaces it, no count changes.
    t->go(2);
    EXPECT_EQ(hrac().zbran.cislo, 2);
    EXPECT_EQ(game().zbrane[2].mnozstvi, 1);
    EXPECT_EQ((std::array{hrac().sila, hrac().obratnost}), (std::array{12, 9}));

    // No dagger in pack or hand now, so only the armour changes.
    t->go(3);
    EXPECT_EQ((std::array{hrac().zbran.cislo, hrac().zbroj.cislo}), (std::array{2, 2}));
    EXPECT_EQ(hrac().maxzivoty, 20);
    EXPECT_EQ(line(0), "Tvá Kožená zbroj se změnila na Kroužková zbroj");
    EXPECT_EQ(colour(0), kAqua);
    EXPECT_EQ(line(1), "Tvůj Dýka se změnil na Meč");
}

// The count covers the highest object given; saves keep only the counted ones.
TEST_F(Possessions, AnObjectGivenAfterAHigherOneKeepsTheCount) {
    play("<1><OBJEKT 5=\"1\" JMENO=\"Mapa\"><OBJEKT 2=\"1\" JMENO=\"Dopis\">");
    EXPECT_EQ(game().pocetobjektu, 5);
}

TEST_F(Possessions, ObjectsAddUpKeepTheLastNameAndShowAPictureOnlyWhenNamedAgain) {
    play(
        "<1><OBJEKT 3=\"1\" JMENO=\"Klíč\" POPIS=\"Rezavý\" OBRAZEK=\"klic.png\">"
        "<2><OBJEKT 3=\"2\" JMENO=\"Zlatý klíč\"><POCETOBJEKTU 1=\"3\">"
        "<3><OBJEKT 3=\"1\"><ODSTRANOBJEKT 3=\"10\"><POCETOBJEKTU 2=\"3\">"
        "<PREDMET 1=\"2\"><ODSTRANPREDMET 1=\"5\">");
    const obj& key = game().objekty[3];
    EXPECT_EQ(key.obrazek.view(), "klic.png");
    EXPECT_EQ(game().pocetobjektu, 3);
    EXPECT_EQ(line(0), "Získal jsi Klíč!");
    EXPECT_EQ(colour(0), kSilver);

    t->go(2);
    EXPECT_EQ(variable(1), 3);
    EXPECT_EQ(toUtf8(key.jmeno.str()), "Zlatý klíč");
    EXPECT_EQ(toUtf8(key.popis.str()), "Rezavý");
    EXPECT_TRUE(key.obrazek.empty());

    t->go(3);
    EXPECT_EQ(line(1), "Získal jsi Zlatý klíč!");
    EXPECT_EQ(variable(2), 0);
    EXPECT_EQ(game().predmety[1].mnozstvi, 0);
}

TEST_F(Possessions, SpellsAndAttacksAreLearnedAndForgottenWithAReportEveryTime) {
    play(
        "<1><KOUZLO UMIME=\"2\" UMIME=\"2\" JINE=\"3\"><AKCE UMIME=\"1\">"
        "<UTOK NEUMIME=\"4\"><KOUZLO NEUMIME=\"5\">");
    EXPECT_EQ(game().kouzla[2].umime, 1);
    EXPECT_EQ(game().kouzla[3].umime, 0);
    EXPECT_EQ(game().utoky[1].umime, 1);
    EXPECT_EQ(said(5), (std::vector<std::string>{"Umíš nové kouzlo!", "Umíš nové kouzlo!",
                                                  "Umíš nový útok!", "Zapomněl jsi starý útok!",
                                                  "Zapomněl jsi staré kouzlo!"}));
    EXPECT_EQ(colour(1), kRed);
}

TEST_F(Possessions, BadNumbersAreSkippedAndReportedButAFailedConversionStopsTheLocation) {
    play(
        "<1><ZBRAN 101=\"1\" 0=\"1\" 2=\"1\"><ODSTRANZBRAN A=\"500\">"
        "<POCETZBRANI 1000=\"1\" 4=\"0\"><KOUZLO UMIME=\"-1\"><OBJEKT JMENO=\"Duch\">"
        "<ZMENZBRAN 1=\"101\"><ZBRAN 3=\"1\" X=\"1\" 3=\"1\"><ZBRAN 3=\"1\">");
    ASSERT_EQ(errors().size(), 9u);
    EXPECT_EQ(toUtf8(errors()[0]), "ZBRAN: číslo 101 je mimo rozsah 1 až 100");
    EXPECT_EQ(toUtf8(errors()[3]), "POCETZBRANI: číslo 1000 je mimo rozsah 1 až 999");
    EXPECT_EQ(toUtf8(errors()[6]), "OBJEKT: chybí číslo objektu");
    EXPECT_EQ(errors()[8], "'X' is not a valid integer value");
    EXPECT_EQ(game().zbrane[2].mnozstvi, 1);
    EXPECT_EQ(game().zbrane[3].mnozstvi, 1);
    EXPECT_EQ(hrac().zbran.cislo, 1);
    EXPECT_EQ(game().pocetobjektu, 0);
}

TEST_F(Possessions, EquippingFromThePackReturnsTheWornPieceUnlessTheSlotWasEmptied) {
    start("", 0);  // no armours read: the armour slot starts empty
    EXPECT_EQ(hrac().zbroj.nazev.view(), "Nic");
    EXPECT_EQ(hrac().sila, 11);
    game().zbrane[2].mnozstvi = 1;
    ASSERT_TRUE(EquipWeapon(game(), 2));
    EXPECT_EQ(game().zbrane[1].mnozstvi, 1);
    EXPECT_EQ(game().zbrane[2].mnozstvi, 0);
    EXPECT_EQ((std::array{hrac().sila, hrac().obratnost}), (std::array{12, 9}));
    EXPECT_FALSE(EquipWeapon(game(), 2));  // none left in the pack
    EXPECT_FALSE(EquipWeapon(game(), 101));

    TakeOff<TZbran>(game());
    ASSERT_TRUE(EquipWeapon(game(), 1));
    EXPECT_EQ(game().zbrane[1].mnozstvi, 0);
    EXPECT_EQ(game().zbrane[2].mnozstvi, 0);
    EXPECT_EQ(hrac().sila, 11);
}

}  // namespace
