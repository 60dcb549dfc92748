// What the scanner and the expansions tell an authoring tool: positions of
// tags and blocks, what a tag's reading left out, every replacement made.
// Play passes no observer, and must get the same commands either way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "parser/Command.h"
#include "parser/Condition.h"
#include "parser/Libraries.h"
#include "parser/TextReplace.h"
#include "support/FakeFrontend.h"
#include "support/TempFolder.h"

using namespace morvane;

namespace {

struct Recorder final : ScanEvents {
    struct Tag {
        std::size_t at;
        std::string name;
        TagFlaws flaws;
        bool stored;
    };
    std::vector<Tag> tags;
    std::vector<std::size_t> opened;
    std::vector<std::pair<std::size_t, bool>> closed;

    void tag(std::size_t at, const tagg& t, const TagFlaws& flaws, bool stored) override {
        tags.push_back({at, t.nazev, flaws, stored});
    }
    void blockOpened(std::size_t at, const podminka&, bool) override { opened.push_back(at); }
    void blockClosed(std::size_t at, bool matched) override { closed.emplace_back(at, matched); }
};

TEST(ScanEvents, TellPositionsAndFlawsWithoutChangingTheCommands) {
    const std::string source =
        "<5>[/]<TEXT OBSAH=\"a\">[1 = \"1]<MENU T=\"b\" X=\"2><INFO OBSAH=\"c\">[/]"
        "<PROMENNA 1=\"1\" 2=\"2\" 3=\"3\" 4=\"4\" 5=\"5\" 6=\"6\" 7=\"7\" 8=\"8\" 9=\"9\" 10=\"1\" "
        "11=\"1\" 12=\"1\"><KONEC";
    Recorder events;
    LocationCommands observed, plain;
    std::int32_t counter1 = 0, counter2 = 0;
    ScanLocation(source, observed, counter1, &events);
    ScanLocation(source, plain, counter2);

    ASSERT_EQ(observed.prikazy.size(), plain.prikazy.size());
    for (std::size_t i = 0; i < plain.prikazy.size(); ++i) {
        EXPECT_EQ(observed.prikazy[i].tag.nazev, plain.prikazy[i].tag.nazev);
        EXPECT_EQ(observed.prikazy[i].tag.parametry.size(), plain.prikazy[i].tag.parametry.size());
        EXPECT_EQ(observed.prikazy[i].podminky.size(), plain.prikazy[i].podminky.size());
    }
    EXPECT_EQ(counter1, counter2);

    ASSERT_EQ(events.tags.size(), 5u);
    EXPECT_EQ(events.tags[0].at, source.find("<TEXT"));
    EXPECT_FALSE(events.tags[0].flaws.cutAttribute);
    EXPECT_EQ(events.tags[1].name, "MENU");
    EXPECT_TRUE(events.tags[1].flaws.cutAttribute);  // the value of X runs into the ">"
    EXPECT_EQ(events.tags[2].at, source.find("<INFO"));
    EXPECT_EQ(events.tags[3].flaws.extraAttributes, 2);
    EXPECT_TRUE(events.tags[4].flaws.unclosed);
    EXPECT_EQ(events.opened, std::vector<std::size_t>{source.find("[1")});
    ASSERT_EQ(events.closed.size(), 2u);
    EXPECT_FALSE(events.closed[0].second);  // "[/]" before any block
    EXPECT_TRUE(events.closed[1].second);
}

TEST(ScanEvents, TheKeyWordOfAConditionIsGivenAsWritten) {
    std::int32_t counter = 0;
    std::string word;
    const podminka c = ParseCondition("zivoti > \"3]", 0, counter, word);
    EXPECT_EQ(word, "ZIVOTI");
    EXPECT_EQ(c.klic, 0);
    ParseCondition("ZBRANIALL 2 > \"0]", 0, counter, word);
    EXPECT_EQ(word, "ZBRANIALL");
}

TEST(EditLog, EachReplacementIsWrittenDownAtItsNewPlace) {
    std::string text = "a XX b XX";
    std::vector<TextEdit> edits;
    EXPECT_EQ(replaceAll(text, "XX", "long", &edits), 2u);
    EXPECT_EQ(text, "a long b long");
    ASSERT_EQ(edits.size(), 2u);
    EXPECT_EQ(edits[0].at, 2u);
    EXPECT_EQ(edits[1].at, 9u);
    EXPECT_EQ(edits[1].removed, 2u);
    EXPECT_EQ(edits[1].inserted, 4u);
}

TEST(EditLog, AnExpansionTellsWhichTextEachRunOfItsOutputCameFrom) {
    test::TempFolder folder;
    folder.write("data/knihovny/vnejsi.vrn", "[#knihovna_vnitrni;]\n");
    folder.write("data/knihovny/vnitrni.vrn", "ab\r\ncd\r\n");
    StoryStore store;
    store.soubory.gameFolder = folder.path();
    test::FakeFrontend frontend;
    std::string text = "x#knihovna_vnejsi;y#knihovna_vnejsi;";
    EditLog log;
    ExpandLibraries(store, frontend, text, &log);
    EXPECT_EQ(text, "x[abcd]y[abcd]");
    ASSERT_EQ(log.size(), 1u);
    ASSERT_TRUE(log[0].library);
    std::string runs;
    for (const TextSegment& run : log[0].segments)
        runs += (run.source.empty() ? "text" : run.source) + "@" + std::to_string(run.offset) + "+" +
                std::to_string(run.length) + " ";
    // The outer library's "[" and "]" stand around the inner library's text.
    EXPECT_EQ(runs,
              "text@0+1 vnejsi@0+1 vnitrni@0+4 vnejsi@19+1 text@18+1 vnejsi@0+1 vnitrni@0+4 vnejsi@19+1 ");
}

}  // namespace
