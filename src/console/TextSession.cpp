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
#include "character/HeroRecord.h"
#include "character/Inventory.h"
#include "character/SellScreen.h"
#include "character/ShopScreen.h"
#include "combat/FightView.h"
#include "console/HumanView.h"
#include "console/HumanHelp.h"
#include "console/JsonView.h"
#include "console/Numbering.h"
#include "game/Game.h"
#include "game/Flow.h"
#include "game/Refusal.h"
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

constexpr std::pair<const char*, SellKind> kSellKinds[] = {
    {"zbran", SellKind::Weapon}, {"zbroj", SellKind::Armour}, {"predmet", SellKind::Item}};

const char* SellKindName(SellKind kind) {
    for (const auto& [name, k] : kSellKinds)
        if (k == kind) return name;
    return "";
}

std::optional<SellKind> SellKindNamed(const std::string& word) {
    for (const auto& [name, k] : kSellKinds)
        if (word == name) return k;
    return std::nullopt;
}

// A word as a person may type it: any case, with or without the accents
// ("Vybavení", "vybaveni").
std::string Fold(const std::string& utf8) {
    static const std::string accented = cz("áčďéěíňóřšťúůýž");
    static const std::string plain = "acdeeinorstuuyz";
    std::string word = lowerCase(fromUtf8(utf8));
    for (char& ch : word) {
        const auto at = accented.find(ch);
        if (at != std::string::npos) ch = plain[at];
    }
    return word;
}

}  // namespace

TextSession::TextSession(std::istream& in, std::ostream& out, std::ostream& err,
                         TextOptions options)
    : in_(in), out_(out), err_(err), options_(std::move(options)), reader_(in) {
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

TextSession::Command TextSession::next(Screen screen, const json& screenTexts, bool clock) {
    for (;;) {
        emit(screen, screenTexts);
        const bool ticking = clock && human() && game_->casovac.casovacbezi;
        std::string line;
        const auto got =
            reader_.read(line, ticking ? LineReader::TickHandler([this] { return clockTick(); })
                                       : nullptr);
        if (got == LineReader::Got::End) throw InputEnded{};
        Command c;
        if (got == LineReader::Got::Interrupted) {
            c.interrupted = true;
            return c;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        for (std::string w; words >> w;) c.words.push_back(w);
        const auto first = line.find_first_not_of(" \t");
        if (first != std::string::npos) {
            c.line = line.substr(first, line.find_last_not_of(" \t") - first + 1);
            const auto gap = line.find_first_of(" \t", first);
            if (gap != std::string::npos) {
                const auto restStart = line.find_first_not_of(" \t", gap);
                if (restStart != std::string::npos) c.rest = line.substr(restStart);
            }
        }
        if (human() && (c.line == "help" || c.line == "?")) {
            notes_.push_back(HumanHelp(ScreenName(screen)));
            quiet_ = true;
            continue;
        }
        // A bare number on the main screen is a menu choice.
        if (screen == Screen::Main && c.words.size() == 1 && Number(c.words[0]))
            c.words.insert(c.words.begin(), "menu");
        return c;
    }
}

void TextSession::refuse(Refusal refusal) {
    if (refusal == Refusal::None) return;
    if (!human()) {
        messages_.push_back("unknown command");
        return;
    }
    notes_.push_back(toUtf8(RefusalText(refusal)));
    quiet_ = true;
}

void TextSession::confirm(const std::string& win1250) {
    if (human()) notes_.push_back(toUtf8(win1250));
}

// One 100 ms tick of a person's clock: true when the screen must be shown
// anew (the countdown expired or the game ended).
bool TextSession::clockTick() {
    Game& g = *game_;
    const std::int32_t lokace = g.stavhry.lokace, left = g.casovac.zbyvacas;
    moving_ = true;
    guarded([&] { Tick(g); });
    const bool moved = sideClosed_ || QuitRequested(g) || !g.casovac.casovacbezi ||
                       g.stavhry.lokace != lokace || g.casovac.zbyvacas > left;
    if (moved) return true;
    moving_ = false;
    if (g.casovac.casovaczobrazit && g.casovac.zbyvacas != left) {
        out_ << "Zbývá: " << g.casovac.zbyvacas << " s\n> ";
        out_.flush();
    }
    return false;
}

// A view for a person with what is waiting to be said already printed.
HumanView TextSession::humanNow() {
    HumanView view{out_, *game_};
    view.messages(messages_, sounds_, notes_);
    messages_.clear();
    sounds_.clear();
    notes_.clear();
    return view;
}

void TextSession::showMoveSoFar() {
    if (!human() || !moving_ || !started_) return;
    HumanView view = humanNow();
    const std::size_t shown = game_->hlavni.prvky.size();
    if (pageLokace_ != game_->stavhry.lokace) pageShown_ = 0;
    if (pageShown_ < shown) {
        out_ << "\n";
        view.page(pageShown_);
    }
    pageShown_ = shown;
    pageLokace_ = game_->stavhry.lokace;
}

void TextSession::emit(Screen screen, const json& screenTexts) {
    if (options_.json) {
        const Game* shown = started_ && screen != Screen::Ended ? game_.get() : nullptr;
        out_ << StateLine(ScreenName(screen), messages_, sounds_, shown, screenTexts) << '\n';
    } else {
        HumanView view{out_, *game_};
        view.infoShown = &infoShown_;
        view.messages(messages_, sounds_, notes_);
        const bool continued = pageLokace_ == game_->stavhry.lokace;
        if (!quiet_) view.show(ScreenName(screen), screenTexts, continued ? pageShown_ : 0);
        if (screen == Screen::Main) {
            moving_ = false;
            pageShown_ = 0;
        }
        if (screen != Screen::Ended) view.prompt();
    }
    out_.flush();
    messages_.clear();
    sounds_.clear();
    notes_.clear();
    quiet_ = false;
}

// --- the front-end port -----------------------------------------------------

// The trace goes beside the states, so the states read the same with it.
void TextSession::traceLine(const std::string& line) { err_ << toUtf8(line) << std::endl; }

void TextSession::showMessage(const std::string& text) { messages_.push_back(toUtf8(text)); }
void TextSession::reportError(const std::string& text) { messages_.push_back(toUtf8(text)); }
void TextSession::audioPlayed(const AudioEvent& event) {
    sounds_.push_back(toUtf8(AudioEventText(event)));
}

// A person's countdown may expire while the sheet or the inventory waits
// for a line: their loops see this and close.
void TextSession::closeSideScreens() { sideClosed_ = true; }

void TextSession::showDeath() {
    // A person sees how it came to this: the fight's last round, or the page.
    if (human() && FightOpen(*game_)) {
        HumanView view = humanNow();
        view.fightRound();
    } else {
        showMoveSoFar();
    }
    // Any command, or the end of the input, ends the program.
    try {
        next(Screen::Death, nullptr);
    } catch (const InputEnded&) {
    }
}

void TextSession::showPicture(const std::string& file, std::int32_t width, std::int32_t height,
                              bool ownSize, const std::string& caption) {
    showMoveSoFar();
    const json texts = {{"file", toUtf8(file)},
                        {"caption", toUtf8(caption)},
                        {"width", ownSize ? 0 : width},
                        {"height", ownSize ? 0 : height}};
    for (;;) {
        const Command c = next(Screen::Picture, texts);
        // A person closes it as a key would: any line does.
        if (human() || (c.word(0) == "close" && c.words.size() == 1)) return;
        refuse(Refusal::UnknownCommand);
    }
}

// The fight closes itself on the blow that ends it; a person still sees
// that last round before the page goes on.
void TextSession::showFight() {
    showMoveSoFar();
    bool closed = false;
    while (FightOpen(*game_)) {
        const Command c = next(Screen::Fight, human() ? json(nullptr) : FightJson(*game_));
        closed = c.word(0) == "close";
        guarded([&] {
            if (human()) refuse(fightHuman(c));
            else if (!fightCommand(c)) refuse(Refusal::UnknownCommand);
        });
    }
    if (human() && !closed) {
        HumanView view = humanNow();
        view.fightRound();
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

// A person's fight: the numbers shown (the actions, then the open list's
// lines), the two list buttons by their captions, "info" for a description.
Refusal TextSession::fightHuman(const Command& c) {
    Game& g = *game_;
    const FightView view = DescribeFight(g);
    const std::string verb = Fold(c.word(0));
    if (verb == "close" && c.words.size() == 1) {
        if (!view.ended) return Refusal::FightGoesOn;
        ClickPicture(g);
        return Refusal::None;
    }
    if (view.ended) return Refusal::FightOver;
    if (c.words.size() == 1 && Number(verb)) return fightChoice(Number(verb), false);
    const bool items = verb == "predmety" || verb == "item";
    if ((items || verb == "kouzla" || verb == "spell") && c.words.size() <= 2) {
        if (!(items ? view.items_allowed : view.spells_allowed))
            return items ? Refusal::ItemsNotAllowed : Refusal::SpellsNotAllowed;
        if (!view.buttons_shown) return Refusal::ListUsed;
        if (items) ClickItemButton(g);
        else ClickSpellButton(g);
        return c.words.size() == 1 ? Refusal::None : fightChoice(Number(c.word(1)), false);
    }
    if ((verb == "attack" || verb == "info") && c.words.size() == 2)
        return fightChoice(Number(c.word(1)), verb == "info");
    return Refusal::UnknownCommand;
}

Refusal TextSession::fightChoice(std::optional<std::int32_t> k, bool info) {
    Game& g = *game_;
    const auto chosen = Chosen(FightChoices(DescribeFight(g)), k);
    if (!chosen) return Refusal::NoSuchEntry;
    switch (chosen->list) {
        case FightListKind::None:
            info ? HoverAction(g, chosen->entry) : ClickAction(g, chosen->entry);
            break;
        case FightListKind::Items:
            info ? HoverItem(g, chosen->entry) : ClickItem(g, chosen->entry);
            break;
        case FightListKind::Spells:
            info ? HoverSpell(g, chosen->entry) : ClickSpell(g, chosen->entry);
            break;
    }
    return Refusal::None;
}

// A person types the name (Enter alone keeps the one offered); a script
// says "save NAME".
void TextSession::showSave() {
    showMoveSoFar();
    std::string field = DescribeSaveScreen(*game_).edit1;
    for (;;) {
        const Command c = next(Screen::Save, {{"Edit1", toUtf8(field)}});
        const std::string verb = c.word(0);
        if ((verb == "cancel" || (human() && verb == "close")) && c.words.size() == 1) return;
        if (verb == "save" || human()) {
            if (verb == "save" && c.words.size() > 1) field = fromUtf8(c.rest);
            else if (verb != "save" && !c.line.empty()) field = fromUtf8(c.line);
            if (SaveScreenClick(*game_, field) == SaveScreenAction::Close) {
                confirm(SavedReport(field));
                return;
            }
            continue;
        }
        refuse(Refusal::UnknownCommand);
    }
}

void TextSession::showShop() {
    showMoveSoFar();
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
        if (c.word(0) == "close" && c.words.size() == 1) return;
        refuse(shopCommand(c));
    }
}

// The goods are numbered as shown, for a script and a person alike.
Refusal TextSession::shopCommand(const Command& c) {
    Game& g = *game_;
    const bool bare = human() && c.words.size() == 1 && Number(c.word(0));
    const std::string verb = bare ? "buy" : c.word(0);
    const auto k = Number(c.word(bare ? 0 : 1));
    if (verb != "buy" && verb != "hover" && !(human() && verb == "info"))
        return Refusal::UnknownCommand;
    if (!k || *k < 1 || *k > static_cast<std::int32_t>(DescribeShop(g).goods.size()))
        return Refusal::NoSuchEntry;
    if (verb == "buy") Buy(g, *k);
    else HoverGood(g, *k);
    return Refusal::None;
}

void TextSession::showSell() {
    showMoveSoFar();
    Game& g = *game_;
    for (;;) {
        const SellView view = DescribeSell(g);
        json lines = json::array();
        for (const SellLine& line : view.lines) {
            lines.push_back({{"kind", SellKindName(line.kind)}, {"cislo", line.cislo},
                             {"text", toUtf8(line.text)}, {"visible", line.visible}});
        }
        const Command c = next(Screen::Sell, {{"Label2", toUtf8(view.Label2)},
                                              {"Status", toUtf8(view.Status)},
                                              {"lines", lines}});
        if (c.word(0) == "close" && c.words.size() == 1) return;
        refuse(human() ? sellHuman(c) : sellCommand(c));
    }
}

// "sell KIND N": the kind's word and the table entry.
Refusal TextSession::sellCommand(const Command& c) {
    Game& g = *game_;
    const auto n = Number(c.word(2));
    const auto kind = SellKindNamed(c.word(1));
    bool shown = false;
    for (const SellLine& line : DescribeSell(g).lines)
        if (kind && n && line.kind == *kind && line.cislo == *n && line.visible) shown = true;
    if (c.word(0) == "sell" && shown) Sell(g, *kind, *n);
    else if (c.word(0) == "hover" && shown) HoverSellLine(g, *kind, *n);
    else return Refusal::UnknownCommand;
    return Refusal::None;
}

// A person's sale: the number of a shown line.
Refusal TextSession::sellHuman(const Command& c) {
    Game& g = *game_;
    const bool bare = c.words.size() == 1;
    const std::string verb = bare ? "sell" : c.word(0);
    if (c.words.size() > 2 || (verb != "sell" && verb != "info")) return Refusal::UnknownCommand;
    const auto line = Chosen(SellChoices(DescribeSell(g)), Number(c.word(bare ? 0 : 1)));
    if (!line) return Refusal::NoSuchEntry;
    if (verb == "info") {
        HoverSellLine(g, line->kind, line->cislo);
        return Refusal::None;
    }
    const std::string report = SaleReport(g, line->kind, line->cislo);
    if (Sell(g, line->kind, line->cislo)) confirm(report);
    return Refusal::None;
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
    moving_ = true;
    guarded([this] {
        PrepareStartUp(*game_, OpenSdlAudio);
        StartGame(*game_);
    });
    mainScreen();
}

void TextSession::menuScreen() {
    const MainMenuTexts menu = DescribeMainMenu(*game_);
    const json texts = {{"Label1", toUtf8(menu.titul)}, {"Label2", toUtf8(menu.autor)}};
    static const char* const kChoices[] = {"new", "load", "about", "quit"};
    for (;;) {
        const Command c = next(Screen::Menu, texts);
        std::string verb = c.words.size() == 1 ? c.word(0) : "";
        // A person chooses by the numbers shown.
        if (const auto k = Number(verb); human() && k && *k >= 1 && *k <= 4) verb = kChoices[*k - 1];
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
            refuse(Number(verb) ? Refusal::NoSuchEntry : Refusal::UnknownCommand);
        }
    }
}

// A person types the name itself (an empty line takes the name offered).
// A script says "ok" to take the name offered, "name TEXT" to type TEXT
// over it (a bare "name" leaves the field empty).
void TextSession::nameScreen() {
    const std::string offered = OfferedHeroName(*game_);
    for (;;) {
        const Command c = next(Screen::Name, {{"Edit1", toUtf8(offered)}});
        if (human()) return AcceptHeroName(*game_, c.line.empty() ? offered : fromUtf8(c.line));
        if (c.word(0) == "ok" && c.words.size() == 1) return AcceptHeroName(*game_, offered);
        if (c.word(0) == "name") return AcceptHeroName(*game_, fromUtf8(c.rest));
        refuse(Refusal::UnknownCommand);
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
        const bool bare = human() && c.words.size() == 1 && Number(c.word(0));
        const auto k = Number(c.word(bare ? 0 : 1));
        if (c.word(0) == "close" && c.words.size() == 1) return false;
        if ((bare || c.word(0) == "choose") && k && c.words.size() == (bare ? 1 : 2)) {
            const PositionChoice choice = ChoosePosition(*game_, *k);
            if (choice == PositionChoice::Chosen) return true;
            if (choice == PositionChoice::Unreadable) continue;
            refuse(Refusal::NoSuchEntry);
            continue;
        }
        refuse(Refusal::UnknownCommand);
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
        // Any key closes the box; for a person, any line.
        if (human() || (c.word(0) == "close" && c.words.size() == 1)) return;
        refuse(Refusal::UnknownCommand);
    }
}

void TextSession::mainScreen() {
    while (!QuitRequested(*game_)) {
        const Command c = next(Screen::Main, nullptr, true);
        if (c.interrupted) continue;
        guarded([&] { refuse(mainCommand(c)); });
    }
}

Refusal TextSession::mainCommand(const Command& c) {
    Game& g = *game_;
    const std::string verb = Fold(c.word(0));
    const auto n = Number(c.word(1));
    if (verb == "menu" && n && c.words.size() == 2) {
        moving_ = true;
        return ChooseMenuItem(g, *n) ? Refusal::None : Refusal::NoSuchEntry;
    }
    if ((verb == "link" || verb == "web") && (n || human())) {
        std::int32_t k = 0;
        for (const PageElement& e : g.hlavni.prvky) {
            const std::int32_t target = e.jeText ? e.text.odkaz : e.obrazek.odkaz;
            const bool counts = verb == "link" ? target > 0 : e.jeText && !e.text.weblink.empty();
            if (!n || !counts || ++k != *n) continue;
            if (verb == "web") {
                messages_.push_back("web " + toUtf8(e.text.weblink));
                return Refusal::None;
            }
            // No pointer moves here: the move that waits runs at once.
            moving_ = true;
            ChoosePageLink(g, target);
            RunDeferredMove(g);
            return Refusal::None;
        }
        return Refusal::NoSuchEntry;
    }
    if (verb == "tick" && c.words.size() <= 2) {
        const std::int32_t ticks = c.words.size() == 2 ? n.value_or(-1) : 1;
        if (ticks < 0) return Refusal::UnknownCommand;
        moving_ = true;
        for (std::int32_t i = 0; i < ticks && !QuitRequested(g); ++i) Tick(g);
        return Refusal::None;
    }
    // A person's Enter is the continue button when it shows, else shows the screen again.
    if (human() && c.words.empty()) {
        moving_ = g.okno.pokracovatVisible;
        if (g.okno.pokracovatVisible) Continue(g);
        return Refusal::None;
    }
    if (c.words.size() != 1) return Refusal::UnknownCommand;
    return sideScreen(verb);
}

// The main window's buttons, by their captions or their command words.
Refusal TextSession::sideScreen(const std::string& verb) {
    Game& g = *game_;
    if (verb == "sheet" || verb == "postava") {
        if (!SheetOffered(g)) return Refusal::NotOffered;
        sheetScreen();
    } else if (verb == "inventory" || verb == "vybaveni") {
        if (!InventoryOffered(g)) return Refusal::NotOffered;
        inventoryScreen();
    } else if (verb == "help" || verb == "napoveda") {
        if (!ToggleHelp(g)) return Refusal::NotOffered;
    } else if (verb == "audio") {
        if (!AudioOffered(g)) return Refusal::NotOffered;
        audioScreen();
    } else if (verb == "continue" || verb == "pokracovat") {
        moving_ = true;
        if (!Continue(g)) return Refusal::NotOffered;
    } else if (verb == "quit" || verb == "konec") {
        Quit(g);
    } else {
        return Refusal::UnknownCommand;
    }
    return Refusal::None;
}

void TextSession::sheetScreen() {
    Game& g = *game_;
    xpinfo_.clear();
    sideClosed_ = false;
    for (;;) {
        json texts = SheetJson(g);
        texts["XPinfo"] = toUtf8(xpinfo_);
        const Command c = next(Screen::Sheet, texts, true);
        if (sideClosed_ || QuitRequested(g)) return;
        if (c.interrupted) continue;
        if (c.word(0) == "close" && c.words.size() == 1) return;
        refuse(sheetCommand(c));
    }
}

// "train ATTRIBUTE" and "hover ATTRIBUTE"; a person also trains by the
// number of a line and asks its price with "info".
Refusal TextSession::sheetCommand(const Command& c) {
    Game& g = *game_;
    const bool bare = human() && c.words.size() == 1;
    const std::string verb = bare ? "train" : c.word(0);
    const std::string what = c.word(bare ? 0 : 1);
    std::optional<PriceSlot> attribute = Attribute(human() ? Fold(what) : what);
    if (const auto k = Number(what); human() && k) {
        if (*k < 1 || *k > static_cast<std::int32_t>(kSheetRows.size())) return Refusal::NoSuchEntry;
        attribute = kSheetRows[static_cast<std::size_t>(*k - 1)];
    }
    const bool hover = verb == "hover" || (human() && verb == "info");
    if ((verb != "train" && !hover) || (human() && !bare && c.words.size() != 2))
        return Refusal::UnknownCommand;
    if (!attribute) return human() ? Refusal::NoSuchAttribute : Refusal::UnknownCommand;
    if (hover) {
        xpinfo_ = TrainingHint(g, *attribute);
        return Refusal::None;
    }
    if (!CanTrain(g, *attribute)) return Refusal::NotEnoughXp;
    Train(g, *attribute);
    return Refusal::None;
}

void TextSession::inventoryScreen() {
    Game& g = *game_;
    OpenInventory(g);
    sideClosed_ = false;
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
                                                   {"zbroje", lines(v.zbroje)}},
                               true);
        if (sideClosed_ || QuitRequested(g)) return;
        if (c.interrupted) continue;
        if (c.word(0) == "close" && c.words.size() == 1) return;
        if (human()) refuse(inventoryHuman(c));
        else if (!inventoryCommand(c)) refuse(Refusal::UnknownCommand);
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

// A person's inventory: the number of a line does what a click on it does.
Refusal TextSession::inventoryHuman(const Command& c) {
    Game& g = *game_;
    const bool bare = c.words.size() == 1;
    const std::string verb = bare ? "use" : c.word(0);
    const bool info = verb == "info";
    if (c.words.size() > 2 || (!info && verb != "use" && verb != "equip" && verb != "view"))
        return Refusal::UnknownCommand;
    const auto chosen = Chosen(InventoryChoices(DescribeInventory(g)), Number(c.word(bare ? 0 : 1)));
    if (!chosen) return Refusal::NoSuchEntry;
    const std::int32_t n = chosen->line.cislo;
    using Kind = InventoryChoice::Kind;
    switch (chosen->kind) {
        case Kind::Object:
            if (info) return HoverInventoryObject(g, n), Refusal::None;
            if (!chosen->line.clickable) return Refusal::NoPicture;
            ViewObject(g, n);
            break;
        case Kind::Item:
            if (info) return HoverInventoryItem(g, n), Refusal::None;
            if (!chosen->line.clickable) return Refusal::NotUsable;
            UseItem(g, n);
            break;
        case Kind::Weapon:
            if (info) return HoverInventoryWeapon(g, n), Refusal::None;
            EquipFromInventory(g, GearSlot::Weapon, n);
            break;
        case Kind::Armour:
            if (info) return HoverInventoryArmour(g, n), Refusal::None;
            EquipFromInventory(g, GearSlot::Armour, n);
            break;
    }
    return Refusal::None;
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
        // OK stores the settings and closes; "close" does the same.
        if ((c.word(0) == "ok" || c.word(0) == "close") && c.words.size() == 1) {
            AudioSettings_Button1Click(g);
            return;
        }
        refuse(audioCommand(c));
    }
}

Refusal TextSession::audioCommand(const Command& c) {
    Game& g = *game_;
    const TAudio& a = *g.audio;
    const std::string verb = c.word(0), value = c.word(1);
    const auto n = Number(value);
    const bool onOff = c.words.size() == 2 && (value == "on" || value == "off");
    // A person's 1 and 2 switch the two lines shown.
    if (human() && c.words.size() == 1 && (verb == "1" || verb == "2")) {
        if (verb == "1") AudioSettings_CheckBox1Click(g, !a.zvukyzapnuty);
        else AudioSettings_CheckBox2Click(g, !a.hudbazapnuta);
        return Refusal::None;
    }
    if (verb == "sounds" && onOff) AudioSettings_CheckBox1Click(g, value == "on");
    else if (verb == "music" && onOff) AudioSettings_CheckBox2Click(g, value == "on");
    else if ((verb == "soundvol" || verb == "musicvol") && c.words.size() == 2) {
        if (!n || *n < 0 || *n > 255) return Refusal::BadVolume;
        if (verb == "soundvol") AudioSettings_TrackBar1Change(g, *n);
        else AudioSettings_TrackBar2Change(g, *n);
    } else {
        return Refusal::UnknownCommand;
    }
    return Refusal::None;
}

}  // namespace morvane
