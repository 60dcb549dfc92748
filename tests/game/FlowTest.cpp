// The flow between screens, driven as a front end drives it, with the fake
// front end in place of a window or a terminal.
#include <gtest/gtest.h>

#include "game/Flow.h"
#include "save/SavePosition.h"
#include "save/SavedPositionList.h"
#include "support/GameFolder.h"
#include "support/TestGame.h"

using namespace morvane;
using namespace morvane::test;

namespace {

constexpr const char* kStory = R"(<1>
<TEXT OBSAH="Rozcestí"><TEXT OBSAH="k řece" ODKAZ="3">
<M T="Do lesa" X="2"><M T="Stát" X="0">
<2>
<TEXT OBSAH="Les"><CASOVAC CAS="1" ODKAZ="3">
<3>
<TEXT OBSAH="Řeka"><M T="Zpět" X="1">
)";

struct FlowGame : TestGame {
    GameFolder folder{kStory};
    explicit FlowGame() { game.pribeh.soubory.gameFolder = folder.path(); }

    // The main menu, then a new game: what both programs do first.
    void start() {
        ASSERT_TRUE(OpenMainMenu(game));
        ChooseNewGame(game);
        PrepareStartUp(game, {});
        StartGame(game);
    }
    std::string page(std::size_t i = 0) const { return toUtf8(game.hlavni.prvky.at(i).text.text); }
};

}  // namespace

TEST(Flow, MainMenuReadsTheDefinitionAndSkinAndCutsTheAuthorLine) {
    FlowGame g;
    g.folder.definice.autor.assign(std::string(40, 'a'));
    g.folder.writeDefinition();
    g.folder.write("grafika/menuskin.ini", "[TechSetup]\nHlavniPozadi=Fialova\n");
    ASSERT_TRUE(OpenMainMenu(g.game));
    const MainMenuTexts texts = DescribeMainMenu(g.game);
    EXPECT_EQ(texts.titul, "Test");
    EXPECT_EQ(texts.autor, std::string(32, 'a'));  // no room left for ": "
    g.game.definice.autor.assign("Jan");
    EXPECT_EQ(DescribeMainMenu(g.game).autor, "Jan: ");
    EXPECT_EQ(g.frontend.errors, std::vector<std::string>{"'Fialova' is not a valid integer value"});

    g.folder.write("data/inicializace.vrn", "short");
    EXPECT_FALSE(OpenMainMenu(g.game));
    EXPECT_EQ(g.frontend.errors.size(), 2u);
}

TEST(Flow, NameEntryKeepsWhatTheFieldHolds) {
    FlowGame g;
    g.folder.definice.zadavanijmena = 1;
    g.folder.writeDefinition();
    ASSERT_TRUE(OpenMainMenu(g.game));
    ASSERT_TRUE(NameEntryAsked(g.game));
    EXPECT_EQ(OfferedHeroName(g.game), "Hrdina");
    // An empty field is a name like any other; a long one is cut.
    for (const std::string& name : {std::string(), std::string(120, 'x')}) {
        AcceptHeroName(g.game, name);
        PrepareStartUp(g.game, {});
        StartGame(g.game);
        EXPECT_EQ(g.game.hrac.jmeno.str(), name.substr(0, kHeroNameLength));
    }
}

TEST(Flow, MenuLinksContinueAndTheCountdownMoveThePlayer) {
    FlowGame g;
    g.start();
    EXPECT_EQ(g.page(), "Rozcestí");
    EXPECT_FALSE(ChooseMenuItem(g.game, 3));
    EXPECT_FALSE(ChooseMenuItem(g.game, 0));
    EXPECT_FALSE(Continue(g.game));  // only after a loaded position

    // A clicked link waits for the pointer or the timer.
    ChoosePageLink(g.game, 3);
    EXPECT_EQ(g.page(), "Rozcestí");
    ASSERT_TRUE(DeferredMoveWaiting(g.game));
    Tick(g.game);
    EXPECT_EQ(g.page(), "Řeka");
    EXPECT_FALSE(DeferredMoveWaiting(g.game));

    ASSERT_TRUE(ChooseMenuItem(g.game, 1));
    ASSERT_TRUE(ChooseMenuItem(g.game, 1));
    EXPECT_EQ(g.page(), "Les");
    for (int i = 0; i < 9; ++i) Tick(g.game);
    EXPECT_EQ(g.page(), "Les");
    Tick(g.game);  // a second has passed
    EXPECT_EQ(g.page(), "Řeka");

    EXPECT_FALSE(QuitRequested(g.game));
    Quit(g.game);
    EXPECT_TRUE(QuitRequested(g.game));
    EXPECT_TRUE(g.frontend.errors.empty());
}

TEST(Flow, APositionThatCannotBeReadLoadsNothing) {
    FlowGame g;
    g.start();
    ASSERT_EQ(SavePosition(g.game, "dobra"), SaveResult::Saved);
    ASSERT_TRUE(ChooseMenuItem(g.game, 1));
    g.folder.write("save/kratka.mkp", "kratka");
    ListSavedPositions(g.game);

    for (const char* name : {"save/kratka.mkp", "save/chybi.mkp"})
        EXPECT_EQ(ChoosePositionFile(g.game, name), PositionChoice::Unreadable) << name;
    EXPECT_EQ(ChoosePosition(g.game, 3), PositionChoice::NotListed);
    EXPECT_EQ(g.frontend.errors.size(), 2u);
    EXPECT_FALSE(g.game.ulozeni.nacistpozici);
    // The game goes on where the player chose.
    EXPECT_EQ(g.page(), "Les");

    // A good position waits on "continue" after the next start-up, and the
    // file is not needed any more once chosen.
    ASSERT_EQ(ChoosePositionFile(g.game, SavedPositionPath("dobra")), PositionChoice::Chosen);
    std::filesystem::remove(g.folder.path() / "save/dobra.mkp");
    PrepareStartUp(g.game, {});
    StartGame(g.game);
    EXPECT_TRUE(g.game.hlavni.prvky.empty());
    ASSERT_TRUE(Continue(g.game));
    EXPECT_EQ(g.page(), "Rozcestí");

    // A new game forgets the chosen position.
    ChooseNewGame(g.game);
    StartGame(g.game);
    EXPECT_EQ(g.page(), "Rozcestí");
    EXPECT_FALSE(Continue(g.game));
    EXPECT_EQ(g.frontend.errors.size(), 2u);
}

TEST(Flow, ATableNumberThatIsNoNumberStopsTheStartUpWithAReport) {
    FlowGame g;
    g.folder.file("data/zbroje.vrn", "1,\"Košile\",\"\",3 ,0,0,0\n");
    EXPECT_NO_THROW(g.start());
    EXPECT_EQ(g.frontend.errors, std::vector<std::string>{"'3 ' is not a valid integer value"});
    EXPECT_TRUE(g.game.hlavni.prvky.empty());  // location 1 never ran
}
