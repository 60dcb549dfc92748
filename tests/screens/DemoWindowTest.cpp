// The bundled demo gamebook played through the real windows: the committed
// routes of the terminal front end, each move typed on whatever window is on
// top with the keyboard alone, reach every ending and the death. (The mouse
// plays each window in the other screen tests.)
#include <gtest/gtest.h>
#include <QKeyEvent>
#include <QLabel>
#include <QThread>
#include <cctype>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "character/Inventory.h"
#include "character/SellScreen.h"
#include "game/Game.h"
#include "screens/Controls.h"
#include "screens/KeyWalk.h"
#include "screens/ScreenFixture.h"
#include "screens/TForm12.h"
#include "screens/TForm13.h"
#include "screens/TForm14.h"
#include "screens/TForm8.h"
#include "screens/TInventory.h"
#include "screens/TObchod.h"
#include "screens/TProdej.h"
#include "screens/TSaveForm.h"
#include "screens/TSouboj.h"
#include "shell/labely/TLELabel.h"
#include "support/TempFolder.h"

using namespace morvane;
using namespace morvane::test;
namespace fs = std::filesystem;

namespace {

const fs::path kTests = fs::path(__FILE__).parent_path().parent_path();
const fs::path kDemo = kTests.parent_path() / "games" / "demo";

// One command a line, as the terminal front end reads them; # starts a note.
std::vector<std::string> Route(const std::string& name) {
    std::istringstream in(ReadFile(kTests / "console" / name));
    std::vector<std::string> moves;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') moves.push_back(line);
    return moves;
}

std::int32_t Arg(const std::vector<std::string>& words, std::size_t k) {
    return k < words.size() && !words[k].empty() &&
                   std::isdigit(static_cast<unsigned char>(words[k][0]))
               ? std::stoi(words[k])
               : -1;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// What was on the screen when the route's last move was due, or when the
// death screen came after it.
struct Seen {
    std::int32_t lokace = 0;
    QString firstLine;
    std::int32_t penize = 0, zkusenosti = 0, zivoty = 0;
    bool death = false;
};

// A key typed on the window on top: it goes to the control with the input
// focus, and from there to the window if the control leaves it.
void Type(QWidget* top, int key, const QString& text = {}) {
    QWidget* to = top->focusWidget() ? top->focusWidget() : top;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(to, &press);
}

bool TypeDigit(QWidget* top, int k) {
    if (k < 1 || k > 10) return false;
    const int digit = k % 10;
    Type(top, Qt::Key_0 + digit, QString::number(digit));
    return true;
}

// Tab until the walk reaches `target`, then Enter.
bool TabTo(QWidget* top, const KeyWalk& keys, QWidget* target) {
    if (!target) return false;
    for (int tabs = 0; tabs < 200 && keys.reached() != target; ++tabs) Type(top, Qt::Key_Tab);
    if (keys.reached() != target) return false;
    Type(top, Qt::Key_Return);
    return true;
}

// Plays a route one move per timer shot. A move may open a modal window whose
// loop then runs the next shot, or return to the loop it came from; either
// way the shot waits until every window that closed has left its loop, so a
// move never lands while the core is still finishing the previous one.
class RoutePlayer {
public:
    RoutePlayer(Program& program, std::vector<std::string> moves)
        : p_(program), moves_(std::move(moves)) {
        // The core may open another window as one closes; an aborted route
        // keeps closing them until the test's own key has returned.
        closer_.setInterval(5);
        QObject::connect(&closer_, &QTimer::timeout, CloseModalWindows);
    }

    void start(int timeoutMs) {
        QTimer::singleShot(timeoutMs, &context_,
                           [this] { abort("the route did not end in time"); });
        schedule(0);
    }
    void abort(const std::string& why) {
        if (failure.empty()) failure = why;
        closer_.start();
    }
    void stop() { closer_.stop(); }

    std::size_t played = 0;
    Seen seen;
    std::string failure;

private:
    void schedule(int ms) {
        QTimer::singleShot(ms, &context_, [this] { step(); });
    }

    static bool settled() {
        int open = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QDialog*>(w) && w->isVisible()) ++open;
        return QThread::currentThread()->loopLevel() == open;
    }

    void step() {
        if (!failure.empty()) return;
        TForm1& main = p_.main();
        QWidget* top = QApplication::activeModalWidget();
        // The main window builds location 1 in a shot of its own after it opens.
        if (!settled() || (top == &main && main.pageControls().empty())) return schedule(1);
        if (played == moves_.size()) return;  // the last move has ended the program
        if (played + 1 == moves_.size()) note(top);
        const std::string move = moves_[played++];
        schedule(0);
        if (!performByKeys(top, Words(move)))
            abort("move " + std::to_string(played) + " '" + move + "' has no control on " +
                  (top ? top->metaObject()->className() : "no window"));
    }

    void note(QWidget* top) {
        const Game& g = p_.game();
        seen.lokace = g.stavhry.lokace;
        const auto& page = p_.main().pageControls();
        seen.firstLine = page.empty() ? QString() : page.front()->text();
        seen.penize = g.hrac.penize;
        seen.zkusenosti = g.hrac.zkusenosti;
        seen.zivoty = g.hrac.zivoty;
        seen.death = top == &p_.death();
    }

    static TLELabel* entry(const std::vector<TLELabel*>& labels, std::int32_t idx) {
        for (TLELabel* label : labels)
            if (label->idx == idx) return label;
        return nullptr;
    }

    // A move of the route, typed.
    bool performByKeys(QWidget* top, const std::vector<std::string>& w) {
        const std::string verb = w.empty() ? "" : w[0];
        if (top == &p_.death()) return note(top), Type(top, Qt::Key_Space), true;
        if (top == &p_.name() && verb == "name") return Type(top, Qt::Key_Return), true;
        if (top == &p_.main()) {
            if (const std::int32_t k = Arg(w, 0); k >= 1 && w.size() == 1) return TypeDigit(top, k);
            if (verb == "inventory") return Type(top, Qt::Key_V), true;
            // Waiting: the window's own timer, one shot a tick.
            if (const std::int32_t n = Arg(w, 1); verb == "tick" && n >= 0) {
                for (int i = 0; i < n && !p_.game().okno.quitRequested; ++i)
                    QMetaObject::invokeMethod(&p_.main().Timer, "timeout", Qt::DirectConnection);
                return true;
            }
        }
        if (top == &p_.fight()) {
            TSouboj& fight = p_.fight();
            if (verb == "attack") {
                const auto& attacks = fight.actionLabels();
                for (std::size_t p = 0; p < attacks.size(); ++p)
                    if (attacks[p]->idx == Arg(w, 1)) return TypeDigit(top, static_cast<int>(p) + 1);
                return false;
            }
            if (verb == "item" || verb == "spell") {
                Type(top, verb == "item" ? Qt::Key_P : Qt::Key_K);
                return TabTo(top, fight.keys, entry(fight.listLabels(), Arg(w, 1)));
            }
        }
        if (top == &p_.sell() && verb == "sell") return TabTo(top, p_.sell().keys, sellLine(w));
        if (top == &p_.shop() && verb == "buy") return TypeDigit(top, Arg(w, 1));
        if (top == &p_.save() && verb == "save") return Type(top, Qt::Key_Return), true;
        if (top == &p_.inventory() && verb != "close")
            return TabTo(top, p_.inventory().keys, inventoryLine(w));
        if (verb == "close") return Type(top, Qt::Key_Escape), true;
        return false;
    }

    // The line a sale is about; the lines stand in the order the core lists
    // them: weapons, armours, items.
    TLELabel* sellLine(const std::vector<std::string>& w) {
        if (w.size() != 3) return nullptr;
        const SellKind kind = w[1] == "zbran"   ? SellKind::Weapon
                              : w[1] == "zbroj" ? SellKind::Armour
                                                : SellKind::Item;
        const SellView v = DescribeSell(p_.game());
        for (std::size_t at = 0; at < v.lines.size() && at < p_.sell().lines().size(); ++at)
            if (v.lines[at].kind == kind && v.lines[at].cislo == Arg(w, 2))
                return p_.sell().lines()[at];
        return nullptr;
    }

    // The line a use or an equip is about; the lines stand column after
    // column: objects, items, weapons, armours.
    TLELabel* inventoryLine(const std::vector<std::string>& w) {
        const std::string verb = w.empty() ? "" : w[0];
        TInventory& inventory = p_.inventory();
        const InventoryView v = DescribeInventory(p_.game());
        const std::vector<InventoryLine>* columns[] = {&v.objekty, &v.predmety, &v.zbrane,
                                                       &v.zbroje};
        int column = -1;
        std::int32_t n = -1;
        if (verb == "use")
            column = 1, n = Arg(w, 1);
        else if (verb == "equip" && w.size() == 3 && w[1] == "zbran")
            column = 2, n = Arg(w, 2);
        else if (verb == "equip" && w.size() == 3 && w[1] == "zbroj")
            column = 3, n = Arg(w, 2);
        if (column < 0) return nullptr;
        std::size_t at = 0;
        for (int c = 0; c < column; ++c) at += columns[c]->size();
        for (const InventoryLine& line : *columns[column]) {
            if (line.cislo == n && at < inventory.lines().size())
                return inventory.lines()[at]->idx == n ? inventory.lines()[at] : nullptr;
            ++at;
        }
        return nullptr;
    }

    Program& p_;
    std::vector<std::string> moves_;
    QTimer closer_;
    QObject context_;  // shots still waiting die with the player
};

struct Ending {
    const char* route;
    std::int32_t page;                        // the last location read
    const char* title;                        // its first line; none for the death
    std::int32_t penize, zkusenosti, zivoty;  // as the terminal front end ends the route
};

void PrintTo(const Ending& e, std::ostream* out) { *out << e.route; }

class DemoWindow : public ::testing::TestWithParam<Ending> {};

TEST_P(DemoWindow, RoutePlayedByKeyboardReachesItsEnding) {
    const Ending& e = GetParam();
    const FolderCopy demo(kDemo);
    RecordingHost host;
    Program program(host, ProgramOptions{1, demo.path()});
    ASSERT_TRUE(program.ok());
    program.main().setAudioOpener({});
    // Time passes only where the route waits.
    program.main().Timer.stop();

    const std::vector<std::string> moves = Route(e.route);
    ASSERT_FALSE(moves.empty());
    RoutePlayer player(program, moves);
    player.start(20000);
    // New game; returns when the program has ended.
    program.show();  // the new-game button is reached as the menu shows
    Type(&program.menu(), Qt::Key_Return);
    player.stop();

    ASSERT_EQ(player.failure, "");
    EXPECT_EQ(player.played, moves.size());
    EXPECT_EQ(host.quits, 1);
    EXPECT_TRUE(host.errors.empty()) << host.errors.front().toStdString();
    EXPECT_TRUE(host.messages.empty());
    const Seen& s = player.seen;
    EXPECT_EQ(s.lokace, e.page);
    EXPECT_EQ(s.death, e.title[0] == '\0');
    if (!s.death) {
        EXPECT_EQ(s.firstLine, QString::fromUtf8(e.title));
    }
    EXPECT_EQ(s.penize, e.penize);
    EXPECT_EQ(s.zkusenosti, e.zkusenosti);
    EXPECT_EQ(s.zivoty, e.zivoty);
}

INSTANTIATE_TEST_SUITE_P(
    Demo, DemoWindow,
    ::testing::Values(Ending{"demo-konec-vesnice.txt", 31, "KONEC: ZVON SE VRACÍ", 75, 44, 30},
                      Ending{"demo-konec-klaster.txt", 32, "KONEC: STRÁŽCE KAMENCE", 0, 39, 23},
                      Ending{"demo-konec-utek.txt", 33, "KONEC: ZBABĚLÝ NÁVRAT", 0, 0, 20},
                      Ending{"demo-smrt.txt", 35, "", 35, 11, -989}),
    [](const ::testing::TestParamInfo<Ending>& info) {
        std::string name = fs::path(info.param.route).stem().string();
        for (char& c : name)
            if (c == '-') c = '_';
        return name;
    });

}  // namespace
