#include "interpreter/PageCommands.h"

#include <filesystem>

#include "base/Numbers.h"
#include "base/ScriptError.h"
#include "base/WordWrap.h"
#include "game/Game.h"
#include "shell/GameFilePath.h"
#include "shell/Colour.h"
#include "shell/GameFilePath.h"
#include "shell/Picture.h"

namespace morvane {
namespace {

const std::string kPictureFolder = "./obrazky/";

// Styles are switched on only by the exact lower-case "ano"; anything else,
// "Ano" included, switches them off.
bool isAno(std::string_view value) { return value == "ano"; }


// Reads the picture size attributes: giving either of "SIRKA" and "VYSKA"
// means both are used, the other keeping 30.
bool ReadPictureSize(const param& p, PagePicture& picture) {
    if (p.nazev == "SIRKA") {
        picture.sirka = toInteger(p.hodnota);
    } else if (p.nazev == "VYSKA") {
        picture.vyska = toInteger(p.hodnota);
    } else {
        return false;
    }
    picture.vlastnivelikost = false;
    return true;
}

}  // namespace

StoryPicture FindStoryPicture(const std::filesystem::path& gameFolder, std::string_view name) {
    const auto path = fileInside(gameFolder / "obrazky", name);
    if (!path) return StoryPicture::Outside;
    std::error_code error;
    return std::filesystem::is_regular_file(*path, error) ? StoryPicture::Found
                                                          : StoryPicture::Missing;
}

bool AddTextBlock(Game& game, PageText block) {
    Hlavni& page = game.hlavni;
    if (page.pocettextu >= kMaxTextBlocks) return false;
    ++page.pocettextu;
    PageElement element;
    element.jeText = true;
    element.text = std::move(block);
    page.prvky.push_back(std::move(element));
    page.naposledytext = true;
    return true;
}

std::string PrepareText(std::string_view text, int maxColumn) {
    std::string flat;
    flat.reserve(text.size());
    for (char c : text) {
        if (c == '\t') continue;
        flat += (c == '\r') ? ' ' : c;
    }
    const std::string wrapped = wrapText(flat, maxColumn);
    // A script value cannot hold a double quote, so it writes "//".
    std::string result;
    result.reserve(wrapped.size());
    for (std::size_t i = 0; i < wrapped.size(); ++i) {
        if (wrapped[i] == '/' && i + 1 < wrapped.size() && wrapped[i + 1] == '/') {
            result += '"';
            ++i;
        } else {
            result += wrapped[i];
        }
    }
    return result;
}

int TextWrapColumn(const Game& game, bool bold) {
    if (game.screenWidth > 640) return bold ? 66 : 74;
    return bold ? 43 : 50;
}

// "TEXT": the look and link attributes first (the last of each wins), then
// one block per "OBSAH" in the written order.
void cmdText(Game& game, const tagg& tag) {
    PageText look;
    look.barva = game.stavhry.barvatextu;
    for (const param& p : tag.parametry) {
        if (p.nazev == "BARVA")
            look.barva = ParseColour(p.hodnota);
        else if (p.nazev == "TUCNE")
            look.tucne = isAno(p.hodnota);
        else if (p.nazev == "KURZIVA")
            look.kurziva = isAno(p.hodnota);
        else if (p.nazev == "PODTRZENE")
            look.podtrzene = isAno(p.hodnota);
        else if (p.nazev == "PRESKRTNUTE")
            look.preskrtnute = isAno(p.hodnota);
        else if (p.nazev == "ODKAZ")
            look.odkaz = toInteger(p.hodnota);
        else if (p.nazev == "WEBLINK")
            look.weblink = p.hodnota;
    }
    const int column = TextWrapColumn(game, look.tucne);
    for (const param& p : tag.parametry) {
        if (p.nazev != "OBSAH") continue;
        PageText block = look;
        block.text = PrepareText(p.hodnota, column);
        AddTextBlock(game, std::move(block));
    }
}

// "OBRAZEKVTEXTU": a picture of ./obrazky/ on the page, placed below the last
// element or, with "POSUNY", relative to the previous picture.
void cmdObrazekVTextu(Game& game, const tagg& tag) {
    PagePicture picture;
    std::string name;
    for (const param& p : tag.parametry) {
        if (ReadPictureSize(p, picture)) continue;
        if (p.nazev == "SOUBOR") {
            name = p.hodnota;
        } else if (p.nazev == "ODKAZ") {
            picture.odkaz = toInteger(p.hodnota);
        } else if (p.nazev == "POSUNX") {
            picture.posunx = toInteger(p.hodnota);
        } else if (p.nazev == "POSUNY") {
            picture.posuny = toInteger(p.hodnota);
            picture.posunyzadan = true;
        }
    }
    picture.soubor = kPictureFolder + name;
    const StoryPicture found = FindStoryPicture(game.gameFolder(), name);
    if (found == StoryPicture::Outside) {
        game.frontend.showMessage(outsideFolderMessage(picture.soubor));
        return;
    }
    if (found == StoryPicture::Missing) {
        game.frontend.showMessage("Obrazekvtextu - neexistuje: \"" + picture.soubor + "\"");
        return;
    }
    Hlavni& page = game.hlavni;
    if (page.pocetobrazku >= kMaxPictures) return;
    if (picture.vlastnivelikost) {
        // Its own size, from the file's header, so that every front end lays
        // the page out from the same numbers. A picture that can't be read
        // takes no room; the front end reports it when it loads the picture.
        const RgbaImage own = MeasurePicture(gameFilePath(game.gameFolder(), picture.soubor)).image;
        picture.sirka = own.width;
        picture.vyska = own.height;
    }
    ++page.pocetobrazku;
    PageElement element;
    element.jeText = false;
    element.obrazek = std::move(picture);
    page.prvky.push_back(std::move(element));
    page.naposledytext = false;
}

// "OBRAZEK": a picture of ./obrazky/ in the modal picture window; the
// location goes on when the player closes it.
void cmdObrazek(Game& game, const tagg& tag) {
    PagePicture picture;
    std::string name, caption;
    for (const param& p : tag.parametry) {
        if (ReadPictureSize(p, picture)) continue;
        if (p.nazev == "SOUBOR")
            name = p.hodnota;
        else if (p.nazev == "POPIS")
            caption = p.hodnota;
    }
    const std::string path = kPictureFolder + name;
    const StoryPicture found = FindStoryPicture(game.gameFolder(), name);
    if (found == StoryPicture::Outside) throw ScriptError(outsideFolderMessage(path));
    if (found == StoryPicture::Missing) throw ScriptError("File not found: \"" + path + "\"");
    game.frontend.showPicture(path, picture.sirka, picture.vyska, picture.vlastnivelikost, caption);
}

}  // namespace morvane
