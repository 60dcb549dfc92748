// The hints of the inventory screen (declared in Inventory.h): what the entry
// under the pointer is, what it does, and whether its conditions hold now.
#include <string>
#include <string_view>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "base/WordWrap.h"
#include "character/EntryTexts.h"
#include "character/Inventory.h"
#include "character/InventoryEntries.h"
#include "interpreter/ConditionEvaluate.h"
#include "parser/Condition.h"

namespace morvane {
namespace {

constexpr int kHintColumn = 80;

std::string_view effectLabel(std::string_view nazev) {
    struct Label {
        std::string_view nazev, text;
    };
    static constexpr Label kLabels[] = {
        {"maxzivoty", "Maximum životů "}, {"maxmana", "Maximum many "},
        {"obratnost", "Obratnost "},      {"sila", "Síla "},
        {"rychlost", "Rychlost "},        {"energie", "Energie "},
    };
    for (const Label& label : kLabels) {
        if (label.nazev == nazev) return label.text;
    }
    return {};
}

// One line per effect ("Síla + 2"); an effect on another attribute is an empty line.
std::string effectLines(const efekt* effects, std::int32_t count) {
    std::string text;
    for (std::int32_t i = 0; i < std::clamp<std::int32_t>(count, 0, kEffectsPerEntry); ++i) {
        text += kTextBreak;
        const std::string_view label = effectLabel(effects[i].nazev.view());
        if (label.empty()) continue;
        text += cz(label) + effects[i].operace + " " + toText(effects[i].hodnota);
    }
    return text;
}

// One line per condition, saying whether it holds now.
std::string conditionLines(const Game& game, const podminka* conditions, std::int32_t count) {
    std::string text;
    for (std::int32_t i = 0; i < std::clamp<std::int32_t>(count, 0, kConditionsPerEntry); ++i) {
        const bool holds = EvaluateCondition(game, conditions[i]);
        text += kTextBreak + cz(holds ? "Splněno: " : "Nesplněno: ") +
                DescribeCondition(game, conditions[i]);
    }
    return text;
}

template <class Piece>
std::string pieceDetails(const Game& game, const Piece& piece) {
    std::string text = kTextBreak + wrapText(piece.popis.view(), kHintColumn);
    if (piece.pocetefektu > 0 || piece.pocetpodminek > 0) {
        text += kTextBreak + effectLines(piece.efekty, piece.pocetefektu) +
                conditionLines(game, piece.podminky, piece.pocetpodminek);
    }
    return text;
}

std::string itemHint(const Game& game, const TPredmet& item) {
    const std::string_view popis = item.popis.view();
    // Items used only in or only outside fights keep their description unwrapped.
    const bool limited = item.druh == "boj" || item.druh == "mimoboj";
    const std::string text = (limited ? std::string(popis) : wrapText(popis, kHintColumn)) +
                             kTextBreak + EntryNote(item);
    // The conditions' block opens with a line break of its own, so a hint
    // without conditions still ends with an empty line.
    return text + kTextBreak + conditionLines(game, item.podminky, item.pocetpodminek);
}

std::string weaponHint(const Game& game, const TZbran& zbran) {
    return zbran.nazev.str() + " (" + EntryNote(zbran) + ")" + pieceDetails(game, zbran);
}

std::string armourHint(const Game& game, const TZbroj& zbroj) {
    return zbroj.nazev.str() + " (" + EntryNote(zbroj) + ")" + pieceDetails(game, zbroj);
}

// Sets the hint from entry n's text when the entry has a line; leaves it otherwise.
template <class Entry, class Describe>
void hover(Game& game, const Entry* entry, Describe describe) {
    RunInventoryEvent(game, [&] {
        if (entry != nullptr) game.inventar.Status = describe(game, *entry);
    });
}

}  // namespace

std::string EntryNote(const TPredmet& item) {
    if (item.druh == "boj") return "Pouze v boji";
    if (item.druh == "mimoboj") return "Pouze mimo boj";
    if (item.druh == "vzdy") return cz("Možno použít vždy");
    return cz("Nelze použít!");
}

std::string EntryNote(const TZbran& zbran) {
    return cz("útok ") + DiceText(zbran.utok) + cz(", poškození ") + toText(zbran.poskozeni);
}

std::string EntryNote(const TZbroj& zbroj) {
    std::string text = "obrana " + toText(zbroj.obrana) + ", tvrdost " + toText(zbroj.tvrdost);
    if (zbroj.postih >= 1) text += cz(", útok -") + toText(zbroj.postih);
    return text;
}

void HoverInventoryObject(Game& game, std::int32_t n) {
    hover(game, ListedObject(game, n),
          [](const Game&, const obj& o) { return wrapText(o.popis.view(), kHintColumn); });
}

void HoverInventoryItem(Game& game, std::int32_t n) { hover(game, ListedItem(game, n), itemHint); }

void HoverInventoryWeapon(Game& game, std::int32_t n) {
    hover(game, ListedWeapon(game, n), weaponHint);
}

void HoverInventoryArmour(Game& game, std::int32_t n) {
    hover(game, ListedArmour(game, n), armourHint);
}

void HoverInventoryClose(Game& game) { game.inventar.Status = cz("Zavřít"); }

}  // namespace morvane
