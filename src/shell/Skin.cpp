#include "shell/Skin.h"

#include "base/ScriptError.h"
#include "game/Game.h"
#include "shell/Colour.h"
#include "shell/GameFilePath.h"
#include "shell/IniFile.h"

namespace morvane {
namespace {

// Reads one skin file, remembering the first colour text that isn't one.
class SkinReader {
public:
    SkinReader(const std::filesystem::path& gameFolder, std::string_view file)
        : ini_(IniFile::read(gameFilePath(gameFolder, file))) {}

    std::int32_t colour(std::string_view section, std::string_view key, std::int32_t fallback) {
        const auto text = ini_.value(section, key);
        if (!text) return fallback;
        try {
            return ParseColour(*text);
        } catch (const ScriptError& bad) {
            if (error.empty()) error = bad.what();
            return fallback;
        }
    }
    std::int32_t integer(std::string_view section, std::string_view key, std::int32_t fallback) {
        return ini_.readInteger(section, key, fallback);
    }
    bool boolean(std::string_view section, std::string_view key, bool fallback) {
        return ini_.readBool(section, key, fallback);
    }

    // "Font", "Velikost", then "Barva" and "Tucne"/"Kurziva" where the
    // section has them, in that order.
    struct Keys {
        bool colour = false, bold = false, italic = false;
    };
    void font(std::string_view section, SkinFont& font, Keys keys) {
        font.face = ini_.readString(section, "Font", font.face);
        font.size = integer(section, "Velikost", font.size);
        if (keys.colour) font.colour = colour(section, "Barva", font.colour);
        if (keys.bold) font.bold = boolean(section, "Tucne", font.bold);
        if (keys.italic) font.italic = boolean(section, "Kurziva", font.italic);
    }

    std::string error;

private:
    IniFile ini_;
};

}  // namespace

SkinRead<MenuSkin> ReadMenuSkin(const std::filesystem::path& gameFolder) {
    SkinReader in(gameFolder, "grafika\\menuskin.ini");
    MenuSkin skin;
    skin.hlavnipozadi = in.colour("TechSetup", "HlavniPozadi", skin.hlavnipozadi);
    in.font("JmenoHry", skin.Label1, {.colour = true});
    in.font("JmenoAutora", skin.Label2, {.colour = true});
    in.font("OProgramu", skin.ffa, {.colour = true, .bold = true});
    in.font("Verze", skin.font_verze, {.colour = true});
    in.font("Odkaz", skin.font_odkaz, {.colour = true, .bold = true});
    in.font("SavePozice", skin.font_save, {.colour = true});
    in.font("SaveNadpis", skin.font_savenadpis, {.colour = true});
    skin.barvapruhlednosti = in.colour("TechSetup", "TransparentColor", skin.barvapruhlednosti);
    skin.pruhlednaokna = in.boolean("TechSetup", "TransparentForms", skin.pruhlednaokna);
    return {std::move(skin), std::move(in.error)};
}

SkinRead<Skin> ReadSkin(const std::filesystem::path& gameFolder) {
    SkinReader in(gameFolder, "grafika\\skin.ini");
    Skin skin;
    skin.ramecky = in.colour("Interface", "Ramecky", skin.ramecky);
    skin.popisky = in.colour("Interface", "Popisky", skin.popisky);
    skin.okna = in.colour("Interface", "Okna", skin.okna);
    in.font("Text", skin.Maintext, {});
    in.font("Menu", skin.MenuFont, {.bold = true, .italic = true});
    in.font("MenuOtazka", skin.MenuOtazkaFont, {.bold = true, .italic = true});
    skin.napoveda = in.boolean("TechSetup", "Napoveda", skin.napoveda);
    skin.audiotlacitko = in.boolean("TechSetup", "AudioTlacitko", skin.audiotlacitko);
    return {std::move(skin), std::move(in.error)};
}

void LoadMenuSkinIniFile(Game& game) {
    SkinRead<MenuSkin> read = ReadMenuSkin(game.gameFolder());
    game.menuskin = std::move(read.skin);
    if (!read.error.empty()) game.frontend.reportError(read.error);
}

void LoadSkin(Game& game) {
    SkinRead<Skin> read = ReadSkin(game.gameFolder());
    game.skin = std::move(read.skin);
    if (!read.error.empty()) game.frontend.reportError(read.error);
}

}  // namespace morvane
