#pragma once
// The two skin files of a game: "grafika/menuskin.ini" (fonts of the main
// menu, the about box and the load dialog; the colours every full-screen and
// modal screen shares) and "grafika/skin.ini" (fonts and frame colours of the
// main window, its optional buttons). The core keeps them as data; a window
// applies them. Every value has a default, used when the file, its section or
// the key is missing, or when a number isn't one.
#include <cstdint>
#include <filesystem>
#include <string>

namespace morvane {

struct Game;

// Colours are ParseColour values (0x00BBGGRR or a system colour).
inline constexpr std::int32_t kSkinBlack = 0x000000;
inline constexpr std::int32_t kSkinMaroon = 0x000080;
inline constexpr std::int32_t kSkinYellow = 0x00FFFF;

// A font as a skin names it. The face is kept as written (Windows-1250); the
// window maps it to an installed font. Bold and italic are added to the
// styles the control has by design.
struct SkinFont {
    std::string face = "Arial";
    std::int32_t size = 12;  // points
    std::int32_t colour = kSkinBlack;  // main-skin fonts have none: the window colours them
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// "grafika/menuskin.ini". The fonts carry the names of the menu window's
// controls that hold them; other windows copy them from there.
struct MenuSkin {
    std::int32_t hlavnipozadi = kSkinBlack;  // background of the full-screen windows
    SkinFont Label1{.size = 12};              // the game title on the menu
    SkinFont Label2{.size = 10};              // the author line
    SkinFont ffa{.size = 12, .bold = true};   // the about box's texts
    SkinFont font_verze{.size = 8};           // the about box's version caption
    SkinFont font_odkaz{.size = 14, .colour = kSkinYellow, .underline = true};  // its web link
    SkinFont font_save{.size = 10};           // entries of the load dialog
    SkinFont font_savenadpis{.size = 10};     // its heading
    std::int32_t barvapruhlednosti = 0x00030203;  // colour of every modal screen
    bool pruhlednaokna = true;  // that colour is see-through: screens take their pictures' shape
};

// "grafika/skin.ini".
struct Skin {
    std::int32_t ramecky = kSkinMaroon;  // outline of the main window's frames
    std::int32_t popisky = kSkinMaroon;  // captions of the main window's buttons
    std::int32_t okna = kSkinBlack;      // frames on the fight, shop and inventory screens
    SkinFont Maintext;                   // page text
    SkinFont MenuFont;                   // menu items
    SkinFont MenuOtazkaFont;             // the menu heading
    bool napoveda = true;       // the help button and its frame are shown
    bool audiotlacitko = true;  // the audio button may be shown (audio must work too)
};

// A skin as read, and the text of the first colour value in it that is not a
// colour (empty when there is none); that key keeps its default and the rest
// of the file is still read.
template <class T>
struct SkinRead {
    T skin;
    std::string error;
};

// Reads the menu skin below the game folder, keys in a fixed order: when
// several colours are bad, the first in that order is the one reported.
SkinRead<MenuSkin> ReadMenuSkin(const std::filesystem::path& gameFolder);
// Reads the main skin below the game folder.
SkinRead<Skin> ReadSkin(const std::filesystem::path& gameFolder);

// The menu skin into game.menuskin, when the main menu is created; a bad
// colour goes to the general error report.
void LoadMenuSkinIniFile(Game& game);
// The main skin into game.skin, at every start-up of a game; a bad colour goes
// to the general error report.
void LoadSkin(Game& game);

// The audio button is shown only when audio works and the skin allows it.
inline bool AudioButtonShown(const Skin& skin, bool audiodostupne) {
    return audiodostupne && skin.audiotlacitko;
}

}  // namespace morvane
