#include "shell/ModalLook.h"

namespace morvane {

ModalLook ApplyModalLook(const MenuSkin& menuskin, const Skin& skin, ModalScreen screen) {
    ModalLook look;
    look.barva = menuskin.barvapruhlednosti;
    look.pruhledne = menuskin.pruhlednaokna;
    // Only these screens draw frames of their own.
    if (screen == ModalScreen::Fight || screen == ModalScreen::Shop ||
        screen == ModalScreen::Inventory)
        look.ramecky = skin.okna;
    return look;
}

ScreenPosition CentreOnMainWindow(std::int32_t mainWidth, std::int32_t mainHeight,
                                  std::int32_t width, std::int32_t height) {
    return {mainWidth / 2 - width / 2, mainHeight / 2 - height / 2};
}

}  // namespace morvane
