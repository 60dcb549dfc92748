#include "save/SaveScreen.h"

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "game/Game.h"
#include "save/SavePosition.h"
#include "shell/SkinImage.h"

namespace morvane {

void cmdSave(Game& game, const tagg& tag) {
    Ulozeni& ulozeni = game.ulozeni;
    ulozeni.cilulozeni = 0;
    ulozeni.nazevulozeni = "Zadej";
    for (const param& p : tag.parametry) {
        if (p.nazev == "ODKAZ")
            ulozeni.cilulozeni = toInteger(p.hodnota);
        else if (p.nazev == "NAZEV")
            ulozeni.nazevulozeni = p.hodnota;
    }
    game.frontend.showSave();
}

SaveScreenView DescribeSaveScreen(const Game& game) {
    const std::filesystem::path& folder = game.gameFolder();
    return SaveScreenView{cz("Chceš uložit pozici?"),      cz("Název:"),
                          game.ulozeni.nazevulozeni,       FindSkinImage(folder, "pozadi_postava"),
                          FindSkinImage(folder, "ulozit"), FindSkinImage(folder, "neukladat")};
}

std::string SavedReport(const std::string& name) {
    return "Pozice " + name + cz(" je uložena.");
}

SaveScreenAction SaveScreenClick(Game& game, const std::string& name) {
    return SavePosition(game, name) == SaveResult::Saved ? SaveScreenAction::Close
                                                         : SaveScreenAction::StayOpen;
}

}  // namespace morvane
