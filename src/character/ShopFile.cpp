#include "character/ShopFile.h"

#include <optional>
#include <string>
#include <string_view>

#include "base/Numbers.h"
#include "base/TextFile.h"
#include "base/Win1250.h"
#include "base/WordWrap.h"
#include "character/EntryTexts.h"
#include "game/Game.h"
#include "parser/CharClass.h"
#include "parser/GameFiles.h"

namespace morvane {
namespace {

// The wrap column of descriptions in the shop's hint.
constexpr int kDescriptionColumn = 74;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Reads a shop line's number: its first run of digits, whatever stands before
// it. None for a line without digits or with a number too large to be one.
std::optional<std::int32_t> shopNumber(std::string_view line) {
    std::size_t pos = 0;
    while (pos < line.size() && !isScriptDigit(line[pos])) ++pos;
    const std::string_view digits = digitRun(line, pos);
    if (digits.empty()) return std::nullopt;
    return parseInteger(digits);
}

// Reads one good ("zbran3", "3 zbran"): its digits, wherever they stand, are
// the entry number, every other character but blanks the type word.
struct GoodText {
    std::string digits;
    std::string word;
};

GoodText scanGood(std::string_view field) {
    GoodText good;
    for (char c : field) {
        if (isScriptDigit(c)) {
            good.digits += c;
        } else if (!isBlank(c)) {
            good.word += c;
        }
    }
    return good;
}

std::string weaponText(const TZbran& zbran) {
    return cz("útok ") + DiceText(zbran.utok) + cz(", poškození ") + toText(zbran.poskozeni) +
           kTextBreak + wrapText(zbran.popis.view(), kDescriptionColumn);
}

std::string armourText(const TZbroj& zbroj) {
    std::string text = "obrana " + toText(zbroj.obrana) + ", tvrdost " + toText(zbroj.tvrdost);
    if (zbroj.postih > 0) text += cz(", útok -") + toText(zbroj.postih);
    return text + kTextBreak + wrapText(zbroj.popis.view(), kDescriptionColumn);
}

std::string itemText(const TPredmet& predmet) {
    std::string note = "Možno použít kdykoli";
    if (predmet.druh == "boj") note = "Možno použít v boji";
    if (predmet.druh == "mimoboj") note = "Možno použít mimo boj";
    return wrapText(predmet.popis.view(), kDescriptionColumn) + kTextBreak + cz(note);
}

// Fills a good from library entry n of its kind. False for a faulty good: a
// type word the shop does not trade, or a number naming no loaded entry.
bool fillGood(const Game& game, zbozi& good) {
    const std::int32_t n = good.cislo;
    const auto loaded = [n](std::int32_t count) { return n >= 1 && n <= count; };
    if (good.typ == "zbran" && loaded(game.pocetzbrani)) {
        const TZbran& zbran = game.zbrane[n];
        good.nazev = zbran.nazev.str();
        good.popis = weaponText(zbran);
        good.cena = zbran.cena;
        return true;
    }
    if (good.typ == "zbroj" && loaded(game.pocetzbroji)) {
        const TZbroj& zbroj = game.zbroje[n];
        good.nazev = zbroj.nazev.str();
        good.popis = armourText(zbroj);
        good.cena = zbroj.cena;
        return true;
    }
    if (good.typ == "predmet" && loaded(game.pocetpredmetu)) {
        const TPredmet& predmet = game.predmety[n];
        good.nazev = predmet.nazev.str();
        good.popis = itemText(predmet);
        good.cena = predmet.cena;
        return true;
    }
    return false;
}

// Walks the goods of a shop line: everything after its first comma, up to a
// ";" if the line has one, one good between two commas.
template <class Visit>
void eachGood(std::string_view line, Visit visit) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) return;
    std::string_view rest = line.substr(comma + 1);
    rest = rest.substr(0, rest.find(';'));
    for (;;) {
        const std::size_t end = rest.find(',');
        const GoodText text = scanGood(rest.substr(0, end));
        zbozi good;
        good.typ = text.word;
        const std::optional<std::int32_t> number = parseInteger(text.digits);
        good.cislo = number.value_or(0);
        if (!visit(std::move(good), number.has_value())) return;
        if (end == std::string_view::npos) return;
        rest.remove_prefix(end + 1);
    }
}

// Reads the goods of a taken shop line, as many as the shop has room for.
void readGoods(const Game& game, std::string_view line, shop& obchod) {
    eachGood(line, [&](zbozi good, bool numbered) {
        if (obchod.pocetzbozi >= kMaxGoods) return false;
        if (numbered && fillGood(game, good)) obchod.zbozi[obchod.pocetzbozi++] = std::move(good);
        return obchod.pocetzbozi < kMaxGoods;
    });
}

}  // namespace

ShopLineRead ReadShopLine(const Game& game, std::string_view raw) {
    const std::string_view line = trimBlanks(raw);
    ShopLineRead read;
    read.cislo = shopNumber(line);
    eachGood(line, [&](zbozi good, bool numbered) {
        const bool offered = numbered && fillGood(game, good);
        read.goods.push_back({good.typ, numbered ? std::optional(good.cislo) : std::nullopt, offered});
        return true;
    });
    return read;
}

void LoadShop(Game& game) {
    shop& obchod = game.obchod.obchod;
    obchod = shop{};
    const GameText file = ReadGameFile(game.pribeh.soubory, game.frontend, "obchod");
    if (!file) return;
    for (const std::string& raw : splitLines(file.text)) {
        const std::string_view line = trimBlanks(raw);
        if (shopNumber(line) != game.obchod.cisloobchodu) continue;
        readGoods(game, line, obchod);
        return;
    }
}

}  // namespace morvane
