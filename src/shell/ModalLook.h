#pragma once
// The look every modal screen of a game shares, decided here and applied by
// the window: no border and no border icons, the menu skin's window colour,
// made see-through when the skin says so (the screen then has the shape of
// its pictures), and on some screens the main skin's frame colour.
#include <cstdint>
#include <optional>

#include "shell/Skin.h"

namespace morvane {

enum class ModalScreen { Fight, Shop, Sell, Save, Picture, Inventory, CharacterSheet };

struct ModalLook {
    std::int32_t barva = 0;  // window colour
    bool pruhledne = false;  // `barva` is see-through
    // Pen colour of the screen's frames; none for screens that keep their own.
    std::optional<std::int32_t> ramecky;
};

// The look of `screen` under the two skins.
ModalLook ApplyModalLook(const MenuSkin& menuskin, const Skin& skin, ModalScreen screen);

struct ScreenPosition {
    std::int32_t left = 0;
    std::int32_t top = 0;
};

// Where a modal screen of `width` x `height` pixels goes over the main window
// of `mainWidth` x `mainHeight`: half the main window's size less half its own,
// each half rounded toward zero.
ScreenPosition CentreOnMainWindow(std::int32_t mainWidth, std::int32_t mainHeight,
                                  std::int32_t width, std::int32_t height);

}  // namespace morvane
