#include <gtest/gtest.h>

#include "base/Win1250.h"
#include "parser/Command.h"

using namespace morvane;

namespace {

struct Scan {
    LocationCommands commands;
    std::int32_t counter = 0;

    explicit Scan(std::string_view source) { ScanLocation(source, commands, counter); }
    const std::vector<prikaz>& prikazy() const { return commands.prikazy; }
    std::string names() const {
        std::string all;
        for (const prikaz& p : commands.prikazy) all += (all.empty() ? "" : " ") + p.tag.nazev;
        return all;
    }
    std::vector<std::int32_t> guards(std::size_t k) const {
        std::vector<std::int32_t> cisla;
        for (const podminka& c : commands.prikazy.at(k).podminky) cisla.push_back(c.cislo);
        return cisla;
    }
};

void expectAttributes(const prikaz& p, std::vector<std::pair<std::string, std::string>> expected) {
    ASSERT_EQ(p.tag.parametry.size(), expected.size()) << p.tag.nazev;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(p.tag.parametry[i].nazev, expected[i].first);
        EXPECT_EQ(p.tag.parametry[i].hodnota, expected[i].second);
    }
}

}  // namespace

TEST(ScanLocation, MarkersMakeNoCommandAndNamesAreUpperCasedWhileValuesStayAsWritten) {
    const Scan scan(cz("<12>\r\nvolný text <>\r\n<text Obsah=\"Máš  \r\nmeč\">\r\n"
                       "<TEXT2 ob_sah=\"\" barva = \"red\"><KONEC>\r\n"
                       "<MENU CIL=\"2\"\r\n  TEXT=\"a=b\"/>< Ž>"));
    EXPECT_EQ(scan.names(), "TEXT TEXT KONEC MENU ");
    expectAttributes(scan.prikazy()[0], {{"OBSAH", cz("Máš  \r\nmeč")}});
    expectAttributes(scan.prikazy()[1], {{"OBSAH", ""}, {"BARVA", "red"}});
    expectAttributes(scan.prikazy()[2], {});
    // The "/" before ">" is an attribute cut short by the tag's end.
    expectAttributes(scan.prikazy()[3], {{"CIL", "2"}, {"TEXT", "a=b"}});
    EXPECT_TRUE(scan.prikazy()[4].tag.nazev.empty());  // "< Ž>": a command no one knows
}

TEST(ScanLocation, WhatATagConsumedIsScannedAgain) {
    // "[" in a value opens a block, and "<" in a value starts a tag, whose
    // ">" also cuts the first tag's value short.
    const Scan scan("<TEXT OBSAH=\"x [5] y\"><M><TEXT OBSAH=\"a<B>\">");
    EXPECT_EQ(scan.names(), "TEXT M TEXT B");
    expectAttributes(scan.prikazy()[0], {{"OBSAH", "x [5] y"}});
    EXPECT_EQ(scan.guards(1), std::vector<std::int32_t>{1});
    expectAttributes(scan.prikazy()[2], {});
}

TEST(ScanLocation, BlocksGuardTheirTagsOutermostFirst) {
    const Scan scan("<A>[5 > \"3]<B>[ZIVOTY 0 < \"2]<C>\r\n<D>[/]<E>[/ konec]<F>"
                    "[5 > \"3]<G>[7 <NOTAG>]<H>[/][/]<I>");
    EXPECT_EQ(scan.names(), "A B C D E F G H I");
    using V = std::vector<std::int32_t>;
    EXPECT_EQ(scan.guards(0), V{});
    EXPECT_EQ(scan.guards(1), V{1});
    EXPECT_EQ(scan.guards(2), (V{1, 2}));
    EXPECT_EQ(scan.guards(3), (V{1, 2}));  // one block, one cislo
    EXPECT_EQ(scan.guards(4), V{1});
    EXPECT_EQ(scan.guards(5), V{});
    EXPECT_EQ(scan.guards(6), V{3});  // same text as block 1, new cislo
    EXPECT_EQ(scan.guards(7), (V{3, 4}));
    EXPECT_EQ(scan.guards(8), V{});
    const podminka& inner = scan.prikazy()[7].podminky[1];
    EXPECT_EQ(inner.levy.view(), "7");
    EXPECT_EQ(inner.pravy.view(), "NOTAG");
    EXPECT_EQ(inner.vysledek, 0);
    EXPECT_EQ(scan.counter, 4);
}

TEST(ScanLocation, CapacitiesAreNeverExceeded) {
    std::string tag = "<T";
    for (int i = 1; i <= 11; ++i) {
        tag += " A" + std::to_string(i) + "=\"" + std::to_string(i) + "\"";
    }
    const Scan attributes(tag + ">");
    ASSERT_EQ(attributes.prikazy().size(), 1u);
    ASSERT_EQ(attributes.prikazy()[0].tag.parametry.size(), 10u);
    EXPECT_EQ(attributes.prikazy()[0].tag.parametry[9].hodnota, "10");

    std::string many;
    for (int i = 1; i <= 401; ++i) many += "<T" + std::string(i == 400 ? "LAST" : "") + ">";
    const Scan commands(many);
    ASSERT_EQ(commands.prikazy().size(), 400u);
    EXPECT_EQ(commands.prikazy().back().tag.nazev, "TLAST");

    // Sixteen blocks: the tags of the sixteenth can't carry its guard, so
    // they are dropped rather than run unguarded; closings still pair up.
    std::string deep;
    for (int i = 1; i <= 15; ++i) deep += "[" + std::to_string(i) + " > \"0]";
    const Scan nested(deep + "<A>[16 > \"0]<LOST>[/]<B><C>");
    EXPECT_EQ(nested.names(), "A B C");
    EXPECT_EQ(nested.prikazy()[0].podminky.size(), 15u);
    EXPECT_EQ(nested.prikazy()[1].podminky.size(), 15u);
    std::string closed = deep + "<A>";
    for (int i = 1; i <= 15; ++i) closed += "[/]";
    const Scan unwound(closed + "<B>");
    EXPECT_TRUE(unwound.prikazy()[1].podminky.empty());
    EXPECT_EQ(unwound.commands.hloubka, 0);

    // Closing brackets with no block open are ignored.
    const Scan stray("[/][/]<A>[5 = \"1]<B>[/][/][/]<C>[6 = \"1]<D>");
    EXPECT_EQ(stray.guards(0), std::vector<std::int32_t>{});
    EXPECT_EQ(stray.guards(1), std::vector<std::int32_t>{1});
    EXPECT_EQ(stray.guards(2), std::vector<std::int32_t>{});
    EXPECT_EQ(stray.guards(3), std::vector<std::int32_t>{2});
}

TEST(ScanLocation, SourceEndingInsideATagOrBracketYieldsWhatWasComplete) {
    const Scan value("<TEXT A=\"1\" OBSAH=\"abc");
    ASSERT_EQ(value.prikazy().size(), 1u);
    expectAttributes(value.prikazy()[0], {{"A", "1"}});
    EXPECT_EQ(Scan("<TEXT OBSAH").prikazy()[0].tag.parametry.size(), 0u);
    EXPECT_EQ(Scan("<TEXT OBSAH=").prikazy()[0].tag.parametry.size(), 0u);
    EXPECT_TRUE(Scan("<12").prikazy().empty());
    EXPECT_TRUE(Scan("<").prikazy().empty());
    const Scan bracket("<A>[ZIVOTY 0 >");
    EXPECT_EQ(bracket.commands.hloubka, 1);
    EXPECT_EQ(bracket.commands.zasobnik[0].klic, 3);
    EXPECT_EQ(Scan("[").commands.hloubka, 1);
}
