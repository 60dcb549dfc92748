#include <gtest/gtest.h>

#include "base/Win1250.h"
#include "parser/Command.h"

using namespace morvane;

namespace {

struct Scan {
    LocationCommands commands;
    std::int32_t counter = 0;

    explicit Scan(std::string_view source) { ScanLocation(source, commands, counter); }
    const prikaz& at(std::size_t k) const { return commands.prikazy.at(k); }
    std::string names() const {
        std::string all;
        for (const prikaz& p : commands.prikazy) all += p.tag.nazev + ";";
        return all;
    }
    // Tag k's attributes as NAME=value;...
    std::string attributes(std::size_t k) const {
        std::string all;
        for (const param& p : at(k).tag.parametry) all += p.nazev + "=" + p.hodnota + ";";
        return all;
    }
    std::vector<std::int32_t> guards(std::size_t k) const {
        std::vector<std::int32_t> cisla;
        for (const podminka& c : at(k).podminky) cisla.push_back(c.cislo);
        return cisla;
    }
};

using Guards = std::vector<std::int32_t>;

}  // namespace

TEST(ScanLocation, MarkersMakeNoCommandNamesAreUpperCasedValuesStayAsWritten) {
    const Scan scan(cz("<12>\r\nvolný text <>\r\n<text Obsah=\"Máš  \r\nmeč\">\r\n"
                       "<TEXT2 ob_sah=\"\" barva = \"red\"><KONEC>\r\n"
                       "<MENU CIL=\"2\"\r\n  TEXT=\"a=b\"/>< Ž><TEXT OBSAH=\"abc"));
    EXPECT_EQ(scan.names(), "TEXT;TEXT;KONEC;MENU;;TEXT;");
    EXPECT_EQ(scan.attributes(0), cz("OBSAH=Máš  \r\nmeč;"));
    EXPECT_EQ(scan.attributes(1), "OBSAH=;BARVA=red;");
    // An attribute cut short by the tag's end (the "/", the last value) is left out.
    EXPECT_EQ(scan.attributes(3), "CIL=2;TEXT=a=b;");
    EXPECT_EQ(scan.attributes(5), "");
}

TEST(ScanLocation, BlocksGuardTheirTagsAndConsumedBytesAreScannedAgain) {
    const Scan scan("<A>[5 > \"3]<B>[ZIVOTY 0 < \"2]<C>\r\n<D>[/]<E>[/ konec]<F>"
                    "[5 > \"3]<G>[7 <NOTAG>]<H>[/][/]<I>"
                    "<TEXT OBSAH=\"x [5] y\"><J><TEXT OBSAH=\"a<K>\">");
    EXPECT_EQ(scan.names(), "A;B;C;D;E;F;G;H;I;TEXT;J;TEXT;K;");
    EXPECT_EQ(scan.guards(0), Guards{});
    EXPECT_EQ(scan.guards(2), (Guards{1, 2}));
    EXPECT_EQ(scan.guards(3), (Guards{1, 2}));  // one block, one cislo
    EXPECT_EQ(scan.guards(4), Guards{1});
    EXPECT_EQ(scan.guards(5), Guards{});
    EXPECT_EQ(scan.guards(6), Guards{3});  // same text as the first block, new cislo
    EXPECT_EQ(scan.guards(7), (Guards{3, 4}));
    EXPECT_EQ(scan.at(7).podminky[1].pravy.view(), "NOTAG");
    EXPECT_EQ(scan.guards(8), Guards{});
    // "[" inside a value opens a block; "<" inside a value starts a tag.
    EXPECT_EQ(scan.attributes(9), "OBSAH=x [5] y;");
    EXPECT_EQ(scan.guards(10), Guards{5});
    EXPECT_EQ(scan.attributes(11), "");
}

TEST(ScanLocation, CapacitiesAreNeverExceeded) {
    std::string tag = "<T";
    for (int i = 1; i <= 11; ++i) tag += " A=\"" + std::to_string(i) + "\"";
    EXPECT_EQ(Scan(tag + ">").attributes(0), "A=1;A=2;A=3;A=4;A=5;A=6;A=7;A=8;A=9;A=10;");

    std::string many;
    for (int i = 1; i <= 401; ++i) many += i == 400 ? "<LAST>" : "<T>";
    const Scan commands(many);
    EXPECT_EQ(commands.commands.prikazy.size(), 400u);
    EXPECT_EQ(commands.commands.prikazy.back().tag.nazev, "LAST");

    // The tags of a sixteenth block can't carry its guard, so they are
    // dropped rather than run unguarded; the closings still pair up.
    std::string deep;
    for (int i = 1; i <= 15; ++i) deep += "[" + std::to_string(i) + " > \"0]";
    std::string closings;
    for (int i = 1; i <= 15; ++i) closings += "[/]";
    const Scan nested(deep + "<A>[16 > \"0]<LOST>[/]<B>" + closings + "<C>");
    EXPECT_EQ(nested.names(), "A;B;C;");
    EXPECT_EQ(nested.at(1).podminky.size(), 15u);
    EXPECT_TRUE(nested.at(2).podminky.empty());

    // Closing brackets with no block open are ignored.
    const Scan stray("[/][/]<A>[5 = \"1]<B>[/][/][/]<C>[6 = \"1]<D>");
    EXPECT_EQ(stray.guards(2), Guards{});
    EXPECT_EQ(stray.guards(3), Guards{2});
    EXPECT_EQ(stray.commands.hloubka, 1);
    EXPECT_EQ(Scan("<A>[ZIVOTY 0 >").commands.zasobnik[0].klic, 3);  // never closed
}
