#pragma once
// What saving and loading keep between the "SAVE" command, the save screen,
// the load dialog and the start-up of a loaded game.
#include <cstdint>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace morvane {

struct ulozenapozice;

// One saved position of the load dialog's list.
struct TSav {
    std::string nazev;                    // the file name without ".mkp", Windows-1250
    std::filesystem::path soubor;         // the file, with its full path
    std::chrono::sys_seconds cas;         // last write; later times are newer
};

struct Ulozeni {
    // Where a position saved now resumes; 0: the current location.
    std::int32_t cilulozeni = 0;
    // The name the save screen offers.
    std::string nazevulozeni = "Zadej";
    // The position the next start-up of a game loads, and whether it is to be
    // loaded at all. A relative path names a file of the player's folder (or,
    // when that has none, of the game folder). It was read and checked when it
    // was chosen: `nactenapozice` holds it until the start-up.
    std::filesystem::path soubornacteni;
    bool nacistpozici = false;
    std::shared_ptr<const ulozenapozice> nactenapozice;
    // The positions found for the load dialog, newest first (at most 100).
    std::vector<TSav> pozice;
};

}  // namespace morvane
