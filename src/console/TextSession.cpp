#include "console/TextSession.h"

#include <filesystem>
#include <istream>
#include <ostream>
#include <sstream>

#include "base/GameEnded.h"
#include "base/ScriptError.h"
#include "base/Win1250.h"
#include "combat/FightView.h"
#include "console/HumanView.h"
#include "console/HumanHelp.h"
#include "console/JsonView.h"
#include "console/TextWords.h"
#include "game/Game.h"
#include "game/Flow.h"
#include "game/Refusal.h"
#include "save/SavePosition.h"
#include "save/SaveScreen.h"
#include "save/SavedPositionList.h"
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

}  // namespace

TextSession::TextSession(std::istream& in, std::ostream& out, std::ostream& err,
                         TextOptions options)
    : out_(out), err_(err), options_(std::move(options)), reader_(in) {
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
        HumanView view = humanNow();
        view.infoShown = &infoShown_;
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
    sounds_.push_back(human() ? HumanAudioText(event) : toUtf8(AudioEventText(event)));
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
        // An empty list closes on any key; for a person, on any line.
        if (human() && captions.empty()) return false;
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
    std::string verb = Fold(c.word(0));
    auto n = Number(c.word(1));
    // The numbers are the menu's; a person follows the link marked [a], [b], ... by its letter.
    if (const auto k = LinkLetter(verb); human() && c.words.size() == 1 && k) {
        verb = "link";
        n = k;
    }
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

}  // namespace morvane
