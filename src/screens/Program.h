#pragma once
// The window program: one game and every window, created once when the
// program starts and reused for every game of the run.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>

#include "base/Platform.h"

namespace morvane {

struct Game;
class Host;
class TForm1;
class TForm8;
class TForm9;
class TForm12;
class TForm13;
class TForm14;
class TSouboj;
class TForm2;
class TForm10;
class TForm15;
class TSaveForm;
class TInventory;
class TObchod;
class TProdej;

struct ProgramOptions {
    std::optional<std::uint64_t> seed;  // a fixed seed makes every roll repeatable
    std::filesystem::path gameFolder = ".";
    // The main window is a window of the design size instead of the whole screen.
    bool window = false;
};

class Program {
public:
    // Creates the windows, the main menu first; the menu reads the game's
    // definition and skin. Needs a QApplication.
    Program(Host& host, const ProgramOptions& options);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The main menu could be made: the game's definition was read.
    bool ok() const { return ok_; }
    // Shows the main menu; the caller then runs the event loop.
    void show();

    Game& game() { return *game_; }
    TForm8& menu() { return *form8_; }
    TForm1& main() { return *form1_; }
    TForm9& about() { return *form9_; }
    TForm12& death() { return *form12_; }
    TForm13& picture() { return *form13_; }
    TForm14& name() { return *form14_; }
    TForm2& sheet() { return *form2_; }
    TSouboj& fight() { return *souboj_; }
    TForm10& load() { return *form10_; }
    TSaveForm& save() { return *saveForm_; }
    TForm15& audio() { return *form15_; }
    TInventory& inventory() { return *inventory_; }
    TObchod& shop() { return *obchod_; }
    TProdej& sell() { return *prodej_; }

private:
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<RandomSource> random_;
    // The main window is the core's front end, so it comes before the game.
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<TForm8> form8_;
    std::unique_ptr<TSouboj> souboj_;
    std::unique_ptr<TForm9> form9_;
    std::unique_ptr<TForm12> form12_;
    std::unique_ptr<TForm13> form13_;
    std::unique_ptr<TForm14> form14_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm10> form10_;
    std::unique_ptr<TSaveForm> saveForm_;
    std::unique_ptr<TForm15> form15_;
    std::unique_ptr<TInventory> inventory_;
    std::unique_ptr<TObchod> obchod_;
    std::unique_ptr<TProdej> prodej_;
    bool ok_ = false;
};

}  // namespace morvane
