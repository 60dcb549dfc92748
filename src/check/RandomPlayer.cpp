#include "check/RandomPlayer.h"

#include <exception>

#include "base/GameEnded.h"
#include "base/Win1250.h"
#include "character/CharacterSheet.h"
#include "character/Inventory.h"
#include "character/SellScreen.h"
#include "character/ShopScreen.h"
#include "check/QuietFrontend.h"
#include "combat/FightView.h"
#include "game/Game.h"
#include "game/NewGame.h"
#include "interpreter/ChangeLoc.h"
#include "save/LoadPosition.h"
#include "save/SavePosition.h"
#include "save/SaveScreen.h"

namespace morvane::check {
namespace {

// Screens a play may not stay in for ever: a fight nobody can win, a shop.
constexpr int kMaxScreenCommands = 200;
const char* const kSaveName = "nahoda";

}  // namespace

RandomPlayer::RandomPlayer(const std::filesystem::path& folder, const TGameInit& definice,
                           std::uint64_t seed, RandomReport& report)
    : folder_(folder), seed_(seed), report_(report), choice_(seed ^ 0x9e3779b97f4a7c15ULL),
      clock_(makeSystemClock()), random_(makeSeededRandom(seed)) {
    game_ = std::make_unique<Game>(*this, *clock_, *random_);
    game_->pribeh.soubory.gameFolder = folder;
    game_->definice = definice;
}

RandomPlayer::~RandomPlayer() = default;

// A redirect takes effect from the next location on: the location shown
// belongs to the story that was in force when the move began.
StoryPlace RandomPlayer::here() const { return {story_, game_->stavhry.lokace}; }

void RandomPlayer::problem(const std::string& text) {
    for (PlayProblem& p : report_.problems) {
        if (p.message == text && p.misto == here()) {
            ++p.times;
            return;
        }
    }
    report_.problems.push_back({text, here(), seed_, route_, 1});
}

void RandomPlayer::end(EndKind kind) {
    if (ended_) return;
    ended_ = true;
    // A death or the end leaves the location without a return to the loop.
    ++report_.visits[here()];
    ++report_.endings[{kind, here()}];
}

// Plays until the game ends, no way on is left or the steps run out.
void RandomPlayer::play(std::int32_t maxSteps) {
    Game& g = *game_;
    ++report_.plays;
    try {
        if (g.definice.zadavanijmena == 1) {
            command("name Tester");
            g.hrac.jmeno.assign("Tester");
        }
        StartNewGame(g);
        ++report_.visits[here()];
        for (std::int32_t step = 0; step < maxSteps && !ended_ && !stuck_; ++step) {
            if (g.okno.quitRequested) return end(EndKind::Konec);
            const std::vector<Move> moves = mainMoves();
            int total = 0;
            for (const Move& m : moves) total += m.weight;
            if (moves.empty() || total == 0) return end(EndKind::SlepaUlicka);
            int pick = below(total);
            std::size_t k = 0;
            while (pick >= moves[k].weight) pick -= moves[k++].weight;
            perform(moves[k]);
        }
        if (g.okno.quitRequested) return end(EndKind::Konec);
        end(EndKind::Limit);
    } catch (const GameEnded&) {
        end(died_ ? EndKind::Smrt : EndKind::Konec);
    } catch (const std::exception& e) {
        // What the engine can't recover from (a full disk, no memory) ends
        // this thread's plays; it is told like any other problem.
        problem(e.what());
        failed_ = true;
    }
}

// What the main screen offers, as morvane-text numbers it: menu items with a
// target, page links, the countdown, the inventory and the character sheet.
std::vector<RandomPlayer::Move> RandomPlayer::mainMoves() const {
    const Game& g = *game_;
    std::vector<Move> moves;
    if (g.okno.menuVisible) {
        for (std::int32_t j = 1; j <= g.stavhry.pocetpolozek; ++j) {
            const std::int32_t cil = g.stavhry.menu[j - 1].cil;
            if (cil > 0) moves.push_back({"menu " + std::to_string(j), cil, true, 12});
        }
    }
    std::int32_t k = 0;
    for (const PageElement& e : g.hlavni.prvky) {
        const std::int32_t target = e.jeText ? e.text.odkaz : e.obrazek.odkaz;
        if (target > 0) moves.push_back({"link " + std::to_string(++k), target, false, 12});
    }
    if (g.casovac.casovacbezi) moves.push_back({"tick 10", 0, false, moves.empty() ? 1 : 3});
    if (moves.empty()) return moves;
    if (g.okno.vybaveniVisible) moves.push_back({"inventory", 0, false, 1});
    if (g.okno.postavaVisible) moves.push_back({"sheet", 0, false, 1});
    return moves;
}

void RandomPlayer::perform(const Move& move) {
    Game& g = *game_;
    const StoryPlace from = here();
    story_ = g.stavhry.knihovna.str();
    if (move.menu) report_.menuMoves.insert({from.first, from.second, move.target});
    command(move.line);
    if (move.line.rfind("menu ", 0) == 0) {
        g.cilovalokace = move.target;
        Button1Click(g);
    } else if (move.line.rfind("link ", 0) == 0) {
        g.odlozenalokace = move.target;
        ControlForceLoad(g);
    } else if (move.line == "tick 10") {
        for (int i = 0; i < 10 && !g.okno.quitRequested; ++i) TimerTimer(g);
    } else if (move.line == "inventory") {
        inventory();
    } else {
        sheet();
    }
    ++report_.visits[here()];
}

// A few uses of items and changes of weapon or armour, then close.
void RandomPlayer::inventory() {
    Game& g = *game_;
    OpenInventory(g);
    for (int n = below(3); n > 0; --n) {
        const InventoryView v = DescribeInventory(g);
        const int kind = below(3);
        const auto& list = kind == 0 ? v.predmety : kind == 1 ? v.zbrane : v.zbroje;
        if (list.empty()) continue;
        const std::int32_t cislo = list[static_cast<std::size_t>(below(static_cast<int>(list.size())))].cislo;
        if (kind == 0) {
            command("use " + std::to_string(cislo));
            UseItem(g, cislo);
        } else {
            command(std::string("equip ") + (kind == 1 ? "zbran " : "zbroj ") + std::to_string(cislo));
            EquipFromInventory(g, kind == 1 ? GearSlot::Weapon : GearSlot::Armour, cislo);
        }
    }
    command("close");
}

void RandomPlayer::sheet() {
    static const std::pair<const char*, PriceSlot> kSlots[] = {
        {"zivoty", PriceSlot::Zivoty}, {"mana", PriceSlot::Mana},
        {"sila", PriceSlot::Sila},     {"obratnost", PriceSlot::Obratnost},
        {"rychlost", PriceSlot::Rychlost}, {"energie", PriceSlot::Energie}};
    Game& g = *game_;
    for (int n = below(3); n > 0; --n) {
        const auto& [word, slot] = kSlots[below(6)];
        if (!CanTrain(g, slot)) continue;
        command(std::string("train ") + word);
        Train(g, slot);
    }
    command("close");
}

void RandomPlayer::showDeath() {
    died_ = true;
    command("close");
}

// Attacks mostly, now and then an item or a spell; the picture closes the
// screen once the enemy has fallen.
void RandomPlayer::showFight() {
    Game& g = *game_;
    for (int n = 0; FightOpen(g) && n < kMaxScreenCommands; ++n) {
        const FightView view = DescribeFight(g);
        if (view.ended) {
            command("close");
            ClickPicture(g);
            continue;
        }
        const bool item = view.buttons_shown && view.items_allowed && chance(10);
        const bool spell = !item && view.buttons_shown && view.spells_allowed && chance(10);
        if (item || spell) {
            if (item) ClickItemButton(g);
            else ClickSpellButton(g);
            // The click may have closed a list instead of opening this one.
            const FightView opened = DescribeFight(g);
            const FightListKind wanted = item ? FightListKind::Items : FightListKind::Spells;
            std::int32_t entry = 0;
            if (opened.list.kind == wanted && !opened.list.entries.empty())
                entry = opened.list.entries[static_cast<std::size_t>(
                    below(static_cast<int>(opened.list.entries.size())))].entry;
            command(std::string(item ? "item " : "spell ") + std::to_string(entry));
            if (entry == 0) continue;
            if (item) ClickItem(g, entry);
            else ClickSpell(g, entry);
            continue;
        }
        std::vector<std::int32_t> usable;
        for (const FightAction& a : view.actions)
            if (a.enabled) usable.push_back(a.entry);
        if (usable.empty())
            for (const FightAction& a : view.actions) usable.push_back(a.entry);
        if (usable.empty()) break;
        const std::int32_t entry = usable[static_cast<std::size_t>(below(static_cast<int>(usable.size())))];
        command("attack " + std::to_string(entry));
        ClickAction(g, entry);
    }
    // A fight nobody can end: morvane-text would still be in it, so the
    // play stops here.
    if (FightOpen(g)) stuck_ = true;
}

void RandomPlayer::showShop() {
    Game& g = *game_;
    for (int n = below(3); n > 0; --n) {
        const ShopView view = DescribeShop(g);
        if (view.goods.empty()) break;
        const int k = below(static_cast<int>(view.goods.size())) + 1;
        command("buy " + std::to_string(k));
        Buy(g, k);
    }
    command("close");
}

void RandomPlayer::showSell() {
    static const char* const kKinds[] = {"zbran", "zbroj", "predmet"};
    Game& g = *game_;
    for (int n = below(3); n > 0; --n) {
        std::vector<SellLine> shown;
        for (const SellLine& line : DescribeSell(g).lines)
            if (line.visible) shown.push_back(line);
        if (shown.empty()) break;
        const SellLine& line = shown[static_cast<std::size_t>(below(static_cast<int>(shown.size())))];
        command(std::string("sell ") + kKinds[static_cast<int>(line.kind)] + " " +
                std::to_string(line.cislo));
        Sell(g, line.kind, line.cislo);
    }
    command("close");
}

// Saves most of the time, and checks that the position loads back.
void RandomPlayer::showSave() {
    Game& g = *game_;
    if (chance(30)) return command("cancel");
    command(std::string("save ") + kSaveName);
    if (SaveScreenClick(g, kSaveName) == SaveScreenAction::Close) return checkSavedPosition();
    command("cancel");
}

// Loads the position just saved into a game of its own, as the load dialog
// would, and tells when it does not load.
void RandomPlayer::checkSavedPosition() {
    QuietFrontend quiet;
    const auto clock = makeSystemClock();
    const auto random = makeSeededRandom(seed_);
    Game loaded(quiet, *clock, *random);
    loaded.pribeh.soubory.gameFolder = folder_;
    loaded.definice = game_->definice;
    const auto record = ReadPosition(loaded, SavedPositionPath(kSaveName));
    if (!record || StartLoadedGame(loaded, *record) != LoadResult::Loaded)
        problem(cz("Uloženou pozici nelze nahrát zpět"));
    for (const std::string& text : quiet.said) problem(cz("Při nahrání uložené pozice: ") + text);
}

}  // namespace morvane::check
