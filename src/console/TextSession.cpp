#include "console/TextSession.h"

#include <filesystem>
#include <istream>
#include <ostream>
#include <sstream>

#include "base/GameEnded.h"
#include "base/Numbers.h"
#include "base/ScriptError.h"
#include "base/Win1250.h"
#include "character/CharacterSheet.h"
#include "character/Inventory.h"
#include "character/SellScreen.h"
#include "character/ShopScreen.h"
#include "combat/FightView.h"
#include "console/HumanView.h"
#include "console/JsonView.h"
#include "game/Game.h"
#include "game/Flow.h"
#include "save/SavePosition.h"
#include "save/SaveScreen.h"
#include "save/SavedPositionList.h"
#include "shell/AudioCommands.h"
#include "shell/AudioSettings.h"
#include "shell/SdlAudioBackend.h"

namespace morvane {
namespace {

using json = nlohmann::ordered_json;

const char* ScreenName(TextSession::Screen s) {
    using S = TextSession::Screen;
    switch (s) {
        case S::Menu: return "menu";
        case S::Name: return "name";
        case S::Load: return "load";
        case S::About: return "about";
        case S::Main: return "main";
        case S::Sheet: return "sheet";
        case S::Inventory: return "inventory";
        case S::Fight: return "fight";
        case S::Shop: return "shop";
        case S::Sell: return "sell";
        case S::Save: return "save";
        case S::Picture: return "picture";
        case S::Audio: return "audio";
        case S::Death: return "death";
        case S::Ended: return "ended";
    }
    return "";
}

// A whole number typed by the player; nothing for anything else.
std::optional<std::int32_t> Number(const std::string& word) {
    return parseInteger(word);
}

std::optional<PriceSlot> Attribute(const std::string& word) {
    if (word == "zivoty") return PriceSlot::Zivoty;
    if (word == "mana") return PriceSlot::Mana;
    if (word == "sila") return PriceSlot::Sila;
    if (word == "obratnost") return PriceSlot::Obratnost;
    if (word == "rychlost") return PriceSlot::Rychlost;
    if (word == "energie") return PriceSlot::Energie;
    return std::nullopt;
}

}  // namespace

TextSession::TextSession(std::istream& in, std::ostream& out, std::ostream& err,
                         TextOptions options)
    : in_(in), out_(out), err_(err), options_(std::move(options)) {
    clock_ = makeSystemClock();
    random_ = options_.seed ? makeSeededRandom(*options_.seed) : makeClockSeededRandom();
    game_ = std::make_unique<Game>(*this, *clock_, *random_);
    game_->screenWidth = options_.screenWidth;
    game_->screenHeight = options_.screenHeight;
    if (!options_.gameFolder.empty()) game_->pribeh.soubory.gameFolder = options_.gameFolder;
}

TextSession::~TextSession() = default;

int TextSession::run() {
    if (!OpenMainMenu(*game_)) return cannotStart();
    std::string refused;
    if (!ChooseTryOut(*game_, options_.tryOut, refused)) {
        err_ << "morvane-text: " << refused << "\n";
        return 2;
    }
    try {
        if (options_.tryOut.startsAtOnce()) {
            play();
        } else if (options_.menu) {
            menuScreen();
        } else if (options_.load) {
            const auto file = SavedPositionPath(fromUtf8(*options_.load));
            if (ChoosePositionFile(*game_, file) != PositionChoice::Chosen) return cannotStart();
            play();
        } else {
            newGame();
        }
    } catch (const InputEnded&) {
    } catch (const GameEnded&) {
    } catch (const ScriptError& error) {
        // A game whose start-up can't finish (a malformed table line) can't be played.
        err_ << toUtf8(error.what()) << "\n";
        return 1;
    }
    emit(Screen::Ended, nullptr);
    return 0;
}

// What kept the game from starting goes to the error output, as a failure
// to start the program.
int TextSession::cannotStart() {
    for (const std::string& message : messages_) err_ << message << "\n";
    messages_.clear();
    return 1;
}

void TextSession::guarded(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const std::exception& failure) {
        reportError(failure.what());
    }
}

// --- reading and printing -------------------------------------------------

TextSession::Command TextSession::next(Screen screen, const json& screenTexts) {
    emit(screen, screenTexts);
    std::string line;
    if (!std::getline(in_, line)) throw InputEnded{};
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Command c;
    std::istringstream words(line);
    for (std::string w; words >> w;) c.words.push_back(w);
    const auto first = line.find_first_not_of(" \t");
    if (first != std::string::npos) {
        const auto gap = line.find_first_of(" \t", first);
        if (gap != std::string::npos) {
            const auto restStart = line.find_first_not_of(" \t", gap);
            if (restStart != std::string::npos) c.rest = line.substr(restStart);
        }
    }
    // A bare number on the main screen is a menu choice.
    if (screen == Screen::Main && c.words.size() == 1 && Number(c.words[0]))
        c.words.insert(c.words.begin(), "menu");
    return c;
}

void TextSession::unknown() { messages_.push_back("unknown command"); }

void TextSession::emit(Screen screen, const json& screenTexts) {
    if (options_.json) {
        const Game* shown = started_ && screen != Screen::Ended ? game_.get() : nullptr;
        out_ << StateLine(ScreenName(screen), messages_, sounds_, shown, screenTexts) << '\n';
    } else {
        HumanView view{out_, *game_, started_};
        view.show(ScreenName(screen), screenTexts, messages_, sounds_);
    }
    out_.flush();
    messages_.clear();
    sounds_.clear();
}

// --- the front-end port -----------------------------------------------------

// The trace goes beside the states, so the states read the same with it.
void TextSession::traceLine(const std::string& line) { err_ << toUtf8(line) << std::endl; }

void TextSession::showMessage(const std::string& text) { messages_.push_back(toUtf8(text)); }
void TextSession::reportError(const std::string& text) { messages_.push_back(toUtf8(text)); }
void TextSession::audioPlayed(const AudioEvent& event) {
    sounds_.push_back(toUtf8(AudioEventText(event)));
}

// A countdown only runs on the main screen's "tick", so no side screen is
// ever open when one expires.
void TextSession::closeSideScreens() {}

void TextSession::showDeath() {
    // Any command, or the end of the input, ends the program.
    try {
        next(Screen::Death, nullptr);
    } catch (const InputEnded&) {
    }
}

void TextSession::showPicture(const std::string& file, std::int32_t width, std::int32_t height,
                              bool ownSize, const std::string& caption) {
    const json texts = {{"file", toUtf8(file)},
                        {"caption", toUtf8(caption)},
                        {"width", ownSize ? 0 : width},
                        {"height", ownSize ? 0 : height}};
    for (;;) {
        const Command c = next(Screen::Picture, texts);
        if (c.word(0) == "close" && c.words.size() == 1) return;
        unknown();
    }
}

void TextSession::showFight() {
    while (FightOpen(*game_)) {
        const Command c = next(Screen::Fight, FightJson(*game_));
        guarded([&] {
            if (!fightCommand(c)) unknown();
        });
    }
}

bool TextSession::fightCommand(const Command& c) {
    Game& g = *game_;
    const FightView view = DescribeFight(g);
    const auto n = Number(c.word(c.word(0) == "hover" ? 2 : 1));
    const auto hasAction = [&](std::int32_t k) {
        for (const FightAction& a : view.actions)
            if (a.entry == k) return true;
        return false;
    };
    // The list opens first, as the button click would; the entry must then be in it.
    const auto inList = [&](FightListKind kind, std::int32_t k) {
        const FightView opened = DescribeFight(g);
        if (opened.list.kind != kind) return false;
        for (const FightListEntry& e : opened.list.entries)
            if (e.entry == k) return true;
        return false;
    };
    const std::string verb = c.word(0);
    if (verb == "close" && c.words.size() == 1) return ClickPicture(g), true;
    if (verb == "attack" && n && hasAction(*n)) return ClickAction(g, *n), true;
    if (verb == "item" && n) {
        ClickItemButton(g);
        return inList(FightListKind::Items, *n) ? (ClickItem(g, *n), true) : false;
    }
    if (verb == "spell" && n) {
        ClickSpellButton(g);
        return inList(FightListKind::Spells, *n) ? (ClickSpell(g, *n), true) : false;
    }
    if (verb != "hover" || !n) return false;
    const std::string what = c.word(1);
    if (what == "attack" && hasAction(*n)) return HoverAction(g, *n), true;
    if (what == "item") {
        ClickItemButton(g);
        return inList(FightListKind::Items, *n) ? (HoverItem(g, *n), true) : false;
    }
    if (what == "spell") {
        ClickSpellButton(g);
        return inList(FightListKind::Spells, *n) ? (HoverSpell(g, *n), true) : false;
    }
    return false;
}

void TextSession::showSave() {
    std::string field = DescribeSaveScreen(*game_).edit1;
    for (;;) {
        const Command c = next(Screen::Save, {{"Edit1", toUtf8(field)}});
        if (c.word(0) == "cancel" && c.words.size() == 1) return;
        if (c.word(0) == "save") {
            if (c.words.size() > 1) field = fromUtf8(c.rest);
            if (SaveScreenClick(*game_, field) == SaveScreenAction::Close) return;
            continue;
        }
        unknown();
    }
}

void TextSession::showShop() {
    Game& g = *game_;
    for (;;) {
        const ShopView view = DescribeShop(g);
        json goods = json::array();
        for (const ShopGood& good : view.goods) {
            goods.push_back({{"text", toUtf8(good.text)}, {"typ", toUtf8(good.typ)},
                             {"cislo", good.cislo}, {"cena", good.cena}});
        }
        const Command c = next(Screen::Shop, {{"Label2", toUtf8(view.Label2)},
                                              {"Label3", toUtf8(view.Label3)},
                                              {"Label5", toUtf8(view.Label5)},
                                              {"goods", goods}});
        const auto k = Number(c.word(1));
        const bool listed = k && *k >= 1 && *k <= static_cast<std::int32_t>(view.goods.size());
        if (c.word(0) == "close" && c.words.size() == 1) return;
        if (c.word(0) == "buy" && listed) Buy(g, *k);
        else if (c.word(0) == "hover" && listed) HoverGood(g, *k);
        else unknown();
    }
}

void TextSession::showSell() {
    Game& g = *game_;
    static const std::pair<const char*, SellKind> kKinds[] = {
        {"zbran", SellKind::Weapon}, {"zbroj", SellKind::Armour}, {"predmet", SellKind::Item}};
    const auto kindName = [](SellKind kind) {
        for (const auto& [name, k] : kKinds)
            if (k == kind) return name;
        return "";
    };
    for (;;) {
        const SellView view = DescribeSell(g);
        json lines = json::array();
        for (const SellLine& line : view.lines) {
            lines.push_back({{"kind", kindName(line.kind)}, {"cislo", line.cislo},
                             {"text", toUtf8(line.text)}, {"visible", line.visible}});
        }
        const Command c = next(Screen::Sell, {{"Label2", toUtf8(view.Label2)},
                                              {"Status", toUtf8(view.Status)},
                                              {"lines", lines}});
        if (c.word(0) == "close" && c.words.size() == 1) return;
        const auto n = Number(c.word(2));
        std::optional<SellKind> kind;
        for (const auto& [name, k] : kKinds)
            if (c.word(1) == name) kind = k;
        bool shown = false;
        for (const SellLine& line : view.lines)
            if (kind && n && line.kind == *kind && line.cislo == *n && line.visible) shown = true;
        if (c.word(0) == "sell" && shown) Sell(g, *kind, *n);
        else if (c.word(0) == "hover" && shown) HoverSellLine(g, *kind, *n);
        else unknown();
    }
}

// --- screens of the program -------------------------------------------------

void TextSession::newGame() {
    ChooseNewGame(*game_);
    if (NameEntryAsked(*game_)) nameScreen();
    play();
}

// The main window's start-up, then its commands until the game ends.
void TextSession::play() {
    started_ = true;
    guarded([this] {
        PrepareStartUp(*game_, OpenSdlAudio);
        StartGame(*game_);
    });
    mainScreen();
}

void TextSession::menuScreen() {
    const MainMenuTexts menu = DescribeMainMenu(*game_);
    const json texts = {{"Label1", toUtf8(menu.titul)}, {"Label2", toUtf8(menu.autor)}};
    for (;;) {
        const Command c = next(Screen::Menu, texts);
        const std::string verb = c.words.size() == 1 ? c.word(0) : "";
        if (verb == "new") return newGame();
        if (verb == "load") {
            bool chosen = false;
            guarded([&] { chosen = loadScreen(); });
            if (chosen) return play();
        } else if (verb == "about") {
            aboutScreen();
        } else if (verb == "quit") {
            return;
        } else {
            unknown();
        }
    }
}

// "ok" takes the name the field offers, "name TEXT" types TEXT over it
// (a bare "name" leaves the field empty).
void TextSession::nameScreen() {
    const std::string offered = OfferedHeroName(*game_);
    for (;;) {
        const Command c = next(Screen::Name, {{"Edit1", toUtf8(offered)}});
        if (c.word(0) == "ok" && c.words.size() == 1) return AcceptHeroName(*game_, offered);
        if (c.word(0) == "name") return AcceptHeroName(*game_, fromUtf8(c.rest));
        unknown();
    }
}

// True when a position was chosen; one that can't be read is reported and
// the list stays.
bool TextSession::loadScreen() {
    for (;;) {
        const std::vector<std::string> captions = ListSavedPositions(*game_);
        json entries = json::array();
        for (std::size_t k = 0; k < captions.size(); ++k) {
            entries.push_back({{"name", toUtf8(game_->ulozeni.pozice[k].nazev)},
                               {"text", toUtf8(captions[k])}});
        }
        const Command c = next(Screen::Load, {{"entries", entries}});
        const auto k = Number(c.word(1));
        if (c.word(0) == "close" && c.words.size() == 1) return false;
        if (c.word(0) == "choose" && k && c.words.size() == 2) {
            const PositionChoice choice = ChoosePosition(*game_, *k);
            if (choice == PositionChoice::Chosen) return true;
            if (choice == PositionChoice::Unreadable) continue;
        }
        unknown();
    }
}

void TextSession::aboutScreen() {
    const AboutTexts about = DescribeAbout();
    json lines = json::array();
    for (const std::string& line : about.lines) lines.push_back(toUtf8(line));
    const json texts = {{"lines", lines}, {"Odkaz", toUtf8(about.odkaz)},
                        {"Verze", toUtf8(about.verze)}};
    for (;;) {
        const Command c = next(Screen::About, texts);
        if (c.word(0) == "close" && c.words.size() == 1) return;
        unknown();
    }
}

void TextSession::mainScreen() {
    while (!QuitRequested(*game_)) {
        const Command c = next(Screen::Main, nullptr);
        guarded([&] {
            if (!mainCommand(c)) unknown();
        });
    }
}

bool TextSession::mainCommand(const Command& c) {
    Game& g = *game_;
    const std::string verb = c.word(0);
    const auto n = Number(c.word(1));
    if (verb == "menu" && n && c.words.size() == 2) return ChooseMenuItem(g, *n);
    if ((verb == "link" || verb == "web") && n) {
        std::int32_t k = 0;
        for (const PageElement& e : g.hlavni.prvky) {
            const std::int32_t target = e.jeText ? e.text.odkaz : e.obrazek.odkaz;
            const bool counts = verb == "link" ? target > 0 : e.jeText && !e.text.weblink.empty();
            if (!counts || ++k != *n) continue;
            if (verb == "web") {
                messages_.push_back("web " + toUtf8(e.text.weblink));
                return true;
            }
            // No pointer moves here: the move that waits runs at once.
            ChoosePageLink(g, target);
            RunDeferredMove(g);
            return true;
        }
        return false;
    }
    if (verb == "tick" && c.words.size() <= 2) {
        const std::int32_t ticks = c.words.size() == 2 ? n.value_or(-1) : 1;
        if (ticks < 0) return false;
        for (std::int32_t i = 0; i < ticks && !QuitRequested(g); ++i) Tick(g);
        return true;
    }
    if (c.words.size() != 1) return false;
    if (verb == "sheet" && SheetOffered(g)) return sheetScreen(), true;
    if (verb == "inventory" && InventoryOffered(g)) return inventoryScreen(), true;
    if (verb == "help") return ToggleHelp(g);
    if (verb == "audio" && AudioOffered(g)) return audioScreen(), true;
    if (verb == "continue") return Continue(g);
    if (verb == "quit") return Quit(g), true;
    return false;
}

void TextSession::sheetScreen() {
    Game& g = *game_;
    xpinfo_.clear();
    for (;;) {
        json texts = SheetJson(g);
        texts["XPinfo"] = toUtf8(xpinfo_);
        const Command c = next(Screen::Sheet, texts);
        const auto attribute = Attribute(c.word(1));
        if (c.word(0) == "close" && c.words.size() == 1) break;
        if (c.word(0) == "train" && attribute && CanTrain(g, *attribute)) Train(g, *attribute);
        else if (c.word(0) == "hover" && attribute) xpinfo_ = TrainingHint(g, *attribute);
        else unknown();
    }
}

void TextSession::inventoryScreen() {
    Game& g = *game_;
    OpenInventory(g);
    const auto lines = [](const std::vector<InventoryLine>& list) {
        json out = json::array();
        for (const InventoryLine& line : list)
            out.push_back({{"cislo", line.cislo}, {"text", toUtf8(line.text)}});
        return out;
    };
    for (;;) {
        const InventoryView v = DescribeInventory(g);
        const Command c = next(Screen::Inventory, {{"Label9", toUtf8(v.Label9)},
                                                   {"Prachy", toUtf8(v.Prachy)},
                                                   {"Status", toUtf8(v.Status)},
                                                   {"Status2", toUtf8(v.Status2)},
                                                   {"objekty", lines(v.objekty)},
                                                   {"predmety", lines(v.predmety)},
                                                   {"zbrane", lines(v.zbrane)},
                                                   {"zbroje", lines(v.zbroje)}});
        if (c.word(0) == "close" && c.words.size() == 1) return;
        if (!inventoryCommand(c)) unknown();
    }
}

// Use, equip, view and hover act only on entries that have a line.
bool TextSession::inventoryCommand(const Command& c) {
    Game& g = *game_;
    const InventoryView v = DescribeInventory(g);
    const auto listed = [](const std::vector<InventoryLine>& list, std::optional<std::int32_t> n) {
        if (!n) return false;
        for (const InventoryLine& line : list)
            if (line.cislo == *n) return true;
        return false;
    };
    const std::string verb = c.word(0), what = c.word(1);
    if (verb == "use" && listed(v.predmety, Number(what))) return UseItem(g, *Number(what)), true;
    if (verb == "view" && listed(v.objekty, Number(what)))
        return ViewObject(g, *Number(what)) || true;
    const auto n = Number(c.word(2));
    if (verb == "equip" && what == "zbran" && listed(v.zbrane, n))
        return EquipFromInventory(g, GearSlot::Weapon, *n), true;
    if (verb == "equip" && what == "zbroj" && listed(v.zbroje, n))
        return EquipFromInventory(g, GearSlot::Armour, *n), true;
    if (verb != "hover") return false;
    if (what == "objekt" && listed(v.objekty, n)) return HoverInventoryObject(g, *n), true;
    if (what == "predmet" && listed(v.predmety, n)) return HoverInventoryItem(g, *n), true;
    if (what == "zbran" && listed(v.zbrane, n)) return HoverInventoryWeapon(g, *n), true;
    if (what == "zbroj" && listed(v.zbroje, n)) return HoverInventoryArmour(g, *n), true;
    return false;
}

void TextSession::audioScreen() {
    Game& g = *game_;
    for (;;) {
        const TAudio& a = *g.audio;
        const json texts = {{"CheckBox1", a.zvukyzapnuty},
                            {"CheckBox2", a.hudbazapnuta},
                            {"TrackBar1", a.hlasitostzvuku},
                            {"TrackBar2", a.hlasitosthudby}};
        const Command c = next(Screen::Audio, texts);
        const std::string verb = c.word(0), value = c.word(1);
        const auto n = Number(value);
        const bool onOff = c.words.size() == 2 && (value == "on" || value == "off");
        if (verb == "ok" && c.words.size() == 1) {
            AudioSettings_Button1Click(g);
            return;
        }
        if (verb == "sounds" && onOff) AudioSettings_CheckBox1Click(g, value == "on");
        else if (verb == "music" && onOff) AudioSettings_CheckBox2Click(g, value == "on");
        else if (verb == "soundvol" && n && *n >= 0 && *n <= 255) AudioSettings_TrackBar1Change(g, *n);
        else if (verb == "musicvol" && n && *n >= 0 && *n <= 255) AudioSettings_TrackBar2Change(g, *n);
        else unknown();
    }
}

}  // namespace morvane
