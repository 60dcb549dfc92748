#pragma once
// What the main window shows, held as a model: the page of the current
// location, the info lines, the countdown and the buttons. The core fills it;
// a front end only draws it and places the elements by its own layout rules.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

inline constexpr std::int32_t kMaxTextBlocks = 100;
inline constexpr std::int32_t kMaxPictures = 50;
inline constexpr std::int32_t kInfoLines = 5;

inline constexpr std::int32_t kWhite = 0xFFFFFF;
inline constexpr std::int32_t kGrey = 0x808080;
inline constexpr std::int32_t kYellow = 0x00FFFF;

// One text block of the page, its text already prepared (wrapped, "//" made
// a double quote).
struct PageText {
    std::string text;
    std::int32_t barva = kWhite;
    bool tucne = false, kurziva = false, podtrzene = false, preskrtnute = false;
    std::int32_t odkaz = 0;  // target location when clicked; 0: none
    std::string weblink;     // address opened when clicked; empty: none
    std::int32_t left = 230;
    bool napoveda = false;  // the help text, which the window shows in its own place
    bool pevnasirka = false;  // a table (the variable list): a fixed-width font, unwrapped
};

// One picture of the page. A picture given no size keeps its own; an offset
// not given stacks it below the previous one.
struct PagePicture {
    std::string soubor;  // path of the file, "./obrazky/" + name
    // The size on the page: as given, or on the page the picture's own (0 x 0
    // when its file can't be read).
    std::int32_t sirka = 30, vyska = 30;
    bool vlastnivelikost = true;  // neither width nor height was given
    std::int32_t odkaz = 0;
    std::int32_t posunx = 0, posuny = 15;
    bool posunyzadan = false;
};

struct PageElement {
    bool jeText = true;
    PageText text;
    PagePicture obrazek;
};

// `hlavni`: the page content list of the current location, in page order.
struct Hlavni {
    std::vector<PageElement> prvky;
    std::int32_t pocettextu = 0;
    std::int32_t pocetobrazku = 0;
    bool naposledytext = false;  // the element added last was a text block
};

struct InfoLine {
    std::string text;
    std::int32_t barva = kWhite;
};

// The countdown of "CASOVAC"; reset at every location change.
struct Casovac {
    std::int32_t zbyvacas = 0;     // seconds left
    std::int32_t cilcasovace = 0;  // location run when it expires
    std::int32_t tiky = 0;         // 100 ms ticks towards the next second
    bool casovacbezi = false;
    bool casovaczobrazit = false;
    std::string label;  // what the countdown label shows now
};

// The main window's state that scripts and the player change.
struct WindowState {
    bool postavaVisible = true;    // character-sheet button
    bool vybaveniVisible = true;   // equipment button
    bool pokracovatVisible = false;  // continue button after loading a position
    bool menuVisible = false;      // the menu labels, heading and frame are built
    bool napovedaVisible = false;  // the help text is on the page
    // The heading stands where its text's length puts it, not at its designed
    // place: a script gave it a text (even the same one) or a position was loaded.
    bool headingByLength = false;
    std::string locationLabel;     // "<N>" when location numbers are on, else empty
    bool quitRequested = false;    // "KONEC" or the quit button asked the program to end
};

}  // namespace morvane
