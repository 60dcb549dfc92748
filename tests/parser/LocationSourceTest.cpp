#include <gtest/gtest.h>

#include <string>

#include "base/Win1250.h"
#include "parser/Constants.h"
#include "parser/Libraries.h"
#include "parser/LocationIndex.h"
#include "parser/LocationSource.h"
#include "parser/Scramble.h"
#include "parser/StoryStore.h"
#include "support/FakeFrontend.h"
#include "support/TempFolder.h"

using namespace morvane;

namespace {

// A game folder in a fresh temporary folder with a story store reading it.
struct StoryFixture {
    StoryFixture() { store.soubory.gameFolder = folder.path(); }

    void library(const std::string& name, std::string_view text) {
        folder.write("data/knihovny/" + name + ".vrn", text);
    }
    std::string load(std::int32_t n, bool prefixzapnut = true, bool suffixzapnut = true) {
        return LoadLocationSource(store, frontend, n, prefixzapnut, suffixzapnut);
    }

    test::TempFolder folder;
    test::FakeFrontend frontend;
    StoryStore store;
};

}  // namespace

TEST(Libraries, DirectivesInLowerCaseAreReplacedByTheJoinedLibrary) {
    StoryFixture f;
    f.library("ab", "ab\r\ncd\r\n");
    f.library("obal", "[#knihovna_ab;]\n");

    std::string capital = "x#Knihovna_ab;y";
    ExpandLibraries(f.store, f.frontend, capital);
    EXPECT_EQ(capital, "x#Knihovna_ab;y");

    // Once one directive is written in lower case, every spelling of it goes.
    std::string text = "1#knihovna_ab;2#KNIHOVNA_AB;3#knihovna_obal;4#knihovna_  ab\t;";
    EXPECT_EQ(ExpandLibraries(f.store, f.frontend, text), 4u);
    EXPECT_EQ(text, "1abcd2abcd3[abcd]4#knihovna_  ab\t;");
    ASSERT_EQ(f.store.seznamknihoven.size(), 2u);
    EXPECT_EQ(f.store.seznamknihoven[0].nazev, "ab");
    EXPECT_EQ(FindLibrary(f.store, "obal"), 1u);
    // The last directive is malformed (blanks inside) and only reported.
    EXPECT_EQ(f.frontend.messages.size(), 1u);
}

TEST(Libraries, EndlessDirectivesAreReportedOnceAndSteppedOver) {
    StoryFixture f;
    f.library("sama", "S#knihovna_sama;");
    f.library("ping", "P#knihovna_pong;");
    f.library("pong", "Q#knihovna_ping;");
    f.library("ab", "ab\ncd");
    std::string text = "#knihovna_sama;|#knihovna_ping;|#knihovna_ ab;|#knihovna_ab;|#knihovna_x";
    ExpandLibraries(f.store, f.frontend, text);
    EXPECT_EQ(text, "#knihovna_sama;|P#knihovna_pong;|#knihovna_ ab;|abcd|#knihovna_x");
    // sama, pong, and one report for the two malformed ones (a blank, no ";")
    EXPECT_EQ(f.frontend.messages.size(), 3u);
    EXPECT_EQ(f.frontend.messages.back(), cz("Chybně zapsaná knihovna: #knihovna_ ab; (a dalších 1)"));

    ExpandLibraries(f.store, f.frontend, text);  // the next location load
    EXPECT_EQ(f.frontend.messages.size(), 3u);
}

TEST(Libraries, UnreadableLibraryLeavesItsTextAndReadingGoesOn) {
    StoryFixture f;
    f.library("ab", "ab\ncd");
    std::string text = "<1>#knihovna_nic;#knihovna_ab;#knihovna_nic;";
    ExpandLibraries(f.store, f.frontend, text);
    EXPECT_EQ(text, "<1>Nenalezena knihovna nic !!!!abcdNenalezena knihovna nic !!!!");
    EXPECT_EQ(f.frontend.messages, std::vector<std::string>{"Nenalezena knihovna nic !!!!"});
    EXPECT_TRUE(f.frontend.errors.empty());
}

TEST(Libraries, ManyMalformedDirectivesCostOnePassAndOneReport) {
    StoryFixture f;
    f.library("ab", "ab");
    std::string text = "<1>";
    for (int i = 0; i < 20000; ++i) text += "#knihovna_ a b;";
    text += "#knihovna_ab;";
    const std::string expected = text.substr(0, text.size() - 13) + "ab";
    EXPECT_EQ(ExpandLibraries(f.store, f.frontend, text), 1u);
    EXPECT_EQ(text, expected);
    EXPECT_EQ(f.frontend.messages,
              std::vector<std::string>{cz("Chybně zapsaná knihovna: #knihovna_ a b; (a dalších 19999)")});
}

TEST(Libraries, ExpansionThatOnlyGrowsIsStoppedAndReported) {
    StoryFixture f;
    // No library includes itself, yet each doubles the next: 2^40 copies.
    for (int i = 0; i < 40; ++i)
        f.library("l" + std::to_string(i),
                  "#knihovna_l" + std::to_string(i + 1) + ";#knihovna_l" + std::to_string(i + 1) + ";");
    f.library("l40", std::string(std::size_t{1} << 20, 'x'));  // the limit comes soon
    std::string text = "#knihovna_l0;";
    ExpandLibraries(f.store, f.frontend, text);
    EXPECT_LT(text.size(), std::size_t{100} << 20);
    EXPECT_EQ(f.frontend.messages.back(),
              cz("Knihovny se vkládají donekonečna, vkládání zastaveno !"));
}

TEST(Constants, AConstantThatBringsBackItsOwnNameIsAppliedOnceAndReportedOnce) {
    StoryFixture f;
    // X holds itself; A and B hold each other; C is an ordinary chain into A.
    f.folder.write("data/konstanty.vrn", "X [X]\nA B-B\nB A\nC A\n");
    f.folder.write("data/data.vrn", "<1>X C<2>dva");
    LoadConstants(f.store, f.frontend);
    const std::string first = f.load(1);
    EXPECT_EQ(first, "<1>[X] A");  // A came after its only pass
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(f.load(1), first);
        EXPECT_EQ(f.load(2), "<2>dva");
    }
    EXPECT_TRUE(f.store.cache.settled);
    EXPECT_EQ(f.frontend.messages,
              (std::vector<std::string>{cz("Konstanta X obsahuje sama sebe, použije se jen jednou !"),
                                        cz("Konstanta A obsahuje sama sebe, použije se jen jednou !"),
                                        cz("Konstanta B obsahuje sama sebe, použije se jen jednou !")}));
}

TEST(Constants, ConstantsAndLibrariesFeedingEachOtherStopAfterAFewLoads) {
    StoryFixture f;
    // X becomes a directive of L (a value ends before its ";"), L doubles X.
    f.library("L", "X;X;");
    f.folder.write("data/konstanty.vrn", "X #knihovna_L\n");
    f.folder.write("data/data.vrn", "<1>X;");
    LoadConstants(f.store, f.frontend);
    for (int i = 0; i < 40; ++i) f.load(1);
    EXPECT_TRUE(f.store.cache.settled);
    EXPECT_LT(f.store.skript.size(), std::size_t{1} << 22);
    EXPECT_EQ(f.frontend.messages.back(),
              cz("Knihovny a konstanty se vkládají donekonečna, vkládání zastaveno !"));
}

TEST(Constants, AChainThatDoublesTheStoryIsStoppedAndReported) {
    StoryFixture f;
    // No constant holds its own name, yet each doubles the next: sixteen
    // copies of the last one's 9 MB would pass the limit.
    const std::string chain = "K0 K1K1\nK1 K2K2\nK2 K3K3\nK3 K4K4\nK4 " +
                              std::string(9 << 20, 'x') + "\n";
    f.folder.write("data/konstanty.vrn", chain);
    f.folder.write("data/data.vrn", "<1>K0<2>dva");
    LoadConstants(f.store, f.frontend);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.load(2), "<2>dva");
    EXPECT_LT(f.store.skript.size(), std::size_t{1} << 20);
    EXPECT_TRUE(f.store.cache.settled);
    EXPECT_EQ(f.frontend.messages,
              std::vector<std::string>{cz("Konstanty se vkládají donekonečna, vkládání zastaveno !")});
}

TEST(Constants, LinesSplitIntoNameAndValue) {
    const auto constant = parseConstantLine("SILA   12");
    ASSERT_TRUE(constant);
    EXPECT_EQ(constant->nazev, "SILA");
    EXPECT_EQ(constant->obsah, "12");
    EXPECT_EQ(parseConstantLine("X 1;2")->obsah, "1");
    EXPECT_EQ(parseConstantLine("XY ")->obsah, "");
    for (const char* skipped : {"", "AB", "NOBLANK", "A;B C", " X 1"})
        EXPECT_FALSE(parseConstantLine(skipped)) << skipped;
}

TEST(Constants, ApplyInFileOrderSoLaterOnesReplaceEarlierValues) {
    StoryFixture f;
    LoadConstants(f.store, f.frontend);  // no file: no constants
    EXPECT_TRUE(f.store.seznamkonstant.empty());

    f.folder.write("data/konstanty.vrn", "A B\r\nxy\r\nB C\r\nA D\r\n");
    LoadConstants(f.store, f.frontend);
    ASSERT_EQ(f.store.seznamkonstant.size(), 3u);
    std::string text = "A-B-D";
    EXPECT_EQ(ApplyConstants(f.store, f.frontend, text), 3u);
    EXPECT_EQ(text, "C-C-D");
    EXPECT_TRUE(f.frontend.messages.empty());
}

TEST(LocationSource, LocationRunsFromItsMarkerToTheNextNumbersMarker) {
    StoryFixture f;
    // The constant keeps the first load searching the text; later loads use the index.
    f.folder.write("data/konstanty.vrn", "JMENO Karel\n");
    f.folder.write("data/data.vrn", "uvod <1>JMENO\r\n<10>deset<11>x<2>dva<4>ctyri<3>tri<5>pet");
    LoadConstants(f.store, f.frontend);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(f.load(1), "<1>Karel\r\n<10>deset<11>x");  // "<1>" is no part of "<10>"
        EXPECT_EQ(f.load(10), "<10>deset");
        EXPECT_EQ(f.load(2), "<2>dva<4>ctyri");
        EXPECT_EQ(f.load(4), "<4>ctyri<3>tri");
        EXPECT_EQ(f.load(5), "<5>pet");  // the last location runs to the end
        EXPECT_TRUE(f.frontend.messages.empty());

        EXPECT_EQ(f.load(3), "");
        EXPECT_EQ(f.load(7), "");
        EXPECT_EQ(f.frontend.messages,
                  (std::vector<std::string>{cz("Chybné pořadí lokací!"), "Nenalezeno lokace <7>"}));
        f.frontend.messages.clear();
    }
    EXPECT_TRUE(f.store.cache.settled);
}

TEST(LocationSource, PrefixAndSuffixWrapEveryLocationUnlessItOptsOut) {
    StoryFixture f;
    f.library("hlava", "<TEXT OBSAH=\"H\">\n");
    f.library("pata", "<MENU>");
    f.folder.write("data/data.vrn", "<1>a<2>b #noprefix;<3>c #nosuffix;<4>");
    f.store.prefix = UseLibrary(f.store, f.frontend, "hlava");
    f.store.suffix = UseLibrary(f.store, f.frontend, "pata");

    EXPECT_EQ(f.load(1), "<TEXT OBSAH=\"H\"><1>a<MENU>");
    EXPECT_EQ(f.load(2), "<2>b #noprefix;<MENU>");
    EXPECT_TRUE(f.store.bezprefixu);
    EXPECT_EQ(f.load(3), "<TEXT OBSAH=\"H\"><3>c #nosuffix;");
    EXPECT_FALSE(f.store.bezprefixu);
    EXPECT_TRUE(f.store.bezsuffixu);
    EXPECT_EQ(f.load(1, false, false), "<1>a");
    EXPECT_EQ(f.load(9), "");  // a missing location gets no prefix
}

TEST(LocationSource, ExpansionRepeatsUntilTheStoryCanNoLongerChange) {
    StoryFixture f;
    f.library("ab", "ab\ncd");
    // The constant brings a directive in only after this load's library pass
    // (a value ends at ";", so the story supplies it).
    f.folder.write("data/konstanty.vrn", "KNIHA #knihovna_ab\n");
    f.folder.write("data/data.vrn", "<1>KNIHA;<2>");
    LoadConstants(f.store, f.frontend);
    EXPECT_EQ(f.load(1), "<1>#knihovna_ab;");
    EXPECT_EQ(f.load(1), "<1>abcd");
    EXPECT_EQ(f.load(1), "<1>abcd");
    EXPECT_TRUE(f.store.cache.settled);

    // Redirecting the story starts over with the new text.
    ReplaceStory(f.store, "<1>KNIHA;<2>");
    EXPECT_EQ(f.load(1), "<1>#knihovna_ab;");
    EXPECT_EQ(f.load(1), "<1>abcd");
    EXPECT_EQ(OriginalStory(f.store), "<1>KNIHA;<2>");
}

TEST(LocationSource, UnreadableStoryIsAnErrorAndIsTriedAgain) {
    StoryFixture f;
    EXPECT_EQ(f.load(1), "");
    EXPECT_EQ(f.frontend.errors.size(), 1u);
    EXPECT_TRUE(f.frontend.messages.empty());
    EXPECT_FALSE(f.store.nacteno);

    // A scrambled story of another game has told its own message: no second report.
    f.folder.write("data/zasifrovane/data.vrn", scrambleText("<1>cizi", "Jina hra"));
    f.store.soubory.nazevhry = "Hrad";
    EXPECT_EQ(f.load(1), "");
    EXPECT_EQ(f.frontend.messages, std::vector<std::string>{cz("Chybné soubory - data.vrn !")});
    EXPECT_EQ(f.frontend.errors.size(), 1u);

    f.folder.write("data/zasifrovane/data.vrn", scrambleText("<1>vlastni", "Hrad"));
    EXPECT_EQ(f.load(1), "<1>vlastni");
    EXPECT_TRUE(f.store.nacteno);
}

TEST(LocationIndex, FindsWhatASearchOfTheTextFinds) {
    const std::string text =
        "<1><01><5000><3><3><-7><2147483647><-2147483648><99999999999><12a><<4>< 6><0>";
    LocationIndex index;
    index.build(text);
    for (std::int32_t n : {0, 1, 2, 3, 4, 6, 5000, 4999, -7, INT32_MAX, INT32_MIN, 1000000}) {
        const std::size_t at = text.find(std::string("<").append(std::to_string(n)) + ">");
        EXPECT_EQ(index.find(n), at == std::string::npos ? std::nullopt : std::optional(at)) << n;
    }
}
