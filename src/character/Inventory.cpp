#include "character/Inventory.h"

#include <algorithm>
#include <tuple>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "character/EntryTexts.h"
#include "character/Equipment.h"
#include "character/InventoryEntries.h"
#include "character/ItemUse.h"
#include "combat/BattleConditions.h"
#include "game/Game.h"
#include "interpreter/PageCommands.h"
#include "shell/GameFilePath.h"

namespace morvane {
namespace {

template <class Entry>
const Entry* loadedEntry(const Table<Entry, kTableEntries>& table, std::int32_t count,
                         std::int32_t n) {
    return n >= 1 && n <= count ? table.find(n) : nullptr;
}

bool later(const LocalTime& a, const LocalTime& b) {
    return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second) >
           std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
}

// The first letter in upper case: ASCII letters only, as the window has always done.
std::string capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 32);
    return text;
}

// Appends "Nutno: " lines and the refusal when a condition fails; true when all hold.
bool conditionsHold(Game& game, const podminka* conditions, std::int32_t count) {
    std::string& report = game.inventar.Status2;
    if (!DescribeUnmetConditions(game, conditions, count, report)) return true;
    report += cz("Nesplněny podmínky použití!") + kTextBreak;
    return false;
}

template <class Entry>
void addLines(std::vector<InventoryLine>& lines, const Table<Entry, kTableEntries>& table,
              std::int32_t count, bool (*clickable)(const Entry&)) {
    for (std::int32_t n = 1; n <= std::min(count, kTableEntries); ++n) {
        const Entry& e = table[n];
        if (e.mnozstvi <= 0) continue;
        lines.push_back(InventoryLine{n, CountedName(e.nazev.str(), e.mnozstvi), clickable(e),
                                      false, EntryNote(e)});
    }
}

template <class Piece>
bool alwaysClickable(const Piece&) {
    return true;
}

template <class Piece>
bool equip(Game& game, const Piece* piece, std::int32_t n, bool (*putOn)(Game&, std::int32_t),
           std::string_view message) {
    if (piece == nullptr) return false;
    game.inventar.Status2 += kTextBreak;
    if (!conditionsHold(game, piece->podminky, piece->pocetpodminek)) return false;
    if (!putOn(game, n)) return false;
    game.inventar.Status2 += cz(message) + piece->nazev.str() + kTextBreak;
    game.inventar.posledniakce = game.clock.now();
    return true;
}

}  // namespace

const obj* ListedObject(const Game& game, std::int32_t n) {
    if (game.pocetobjektu <= 0) return nullptr;
    const obj* object = game.objekty.find(n);
    return object != nullptr && object->mnozstvi > 0 ? object : nullptr;
}

const TPredmet* ListedItem(const Game& game, std::int32_t n) {
    const TPredmet* item = loadedEntry(game.predmety, game.pocetpredmetu, n);
    return item != nullptr && item->mnozstvi >= 1 ? item : nullptr;
}

const TZbran* ListedWeapon(const Game& game, std::int32_t n) {
    const TZbran* weapon = loadedEntry(game.zbrane, game.pocetzbrani, n);
    return weapon != nullptr && weapon->mnozstvi > 0 ? weapon : nullptr;
}

const TZbroj* ListedArmour(const Game& game, std::int32_t n) {
    const TZbroj* armour = loadedEntry(game.zbroje, game.pocetzbroji, n);
    return armour != nullptr && armour->mnozstvi > 0 ? armour : nullptr;
}

bool UsableOutsideFights(const TPredmet& item) {
    return item.druh == "vzdy" || item.druh == "mimoboj";
}

void OpenInventory(Game& game) {
    game.inventar.Status.clear();
    game.inventar.Status2.clear();
}

InventoryView DescribeInventory(const Game& game) {
    InventoryView view;
    view.Label9 = capitalised(game.mena);
    view.Prachy = toText(game.hrac.penize);
    view.Label1 = cz("Předměty");
    view.Label3 = cz("Inventář");
    view.Label5 = cz("Zbraně a zbroje");
    view.Status = game.inventar.Status;
    view.Status2 = game.inventar.Status2;
    for (std::int32_t n = 1; n <= kTableEntries; ++n) {
        const obj* object = ListedObject(game, n);
        if (object == nullptr) continue;
        const bool picture = !object->obrazek.empty();
        view.objekty.push_back(
            InventoryLine{n, CountedName(object->jmeno.str(), object->mnozstvi), picture, picture, ""});
    }
    addLines(view.predmety, game.predmety, game.pocetpredmetu, &UsableOutsideFights);
    addLines(view.zbrane, game.zbrane, game.pocetzbrani, &alwaysClickable<TZbran>);
    addLines(view.zbroje, game.zbroje, game.pocetzbroji, &alwaysClickable<TZbroj>);
    return view;
}

void HoverInventoryBackground(Game& game) {
    InventoryState& inventar = game.inventar;
    if (inventar.posledniakce && !later(game.clock.now(), *inventar.posledniakce)) return;
    inventar.Status.clear();
    inventar.Status2.clear();
}

bool UseItem(Game& game, std::int32_t n) {
    return RunInventoryEvent(game, [&] {
        const TPredmet* listed = ListedItem(game, n);
        if (listed == nullptr || !UsableOutsideFights(*listed)) return false;
        TPredmet& item = game.predmety[n];
        game.inventar.Status2 += kTextBreak;
        if (!conditionsHold(game, item.podminky, item.pocetpodminek)) return false;
        item.mnozstvi = wrapSub(item.mnozstvi, 1);
        const int effects = std::clamp<int>(item.pocetefektu, 0, kEffectsPerEntry);
        for (int i = 0; i < effects; ++i)
            ApplyItemEffect(game, item.efekty[i], game.inventar.Status2);
        game.inventar.posledniakce = game.clock.now();
        return true;
    });
}

bool EquipFromInventory(Game& game, GearSlot slot, std::int32_t n) {
    return RunInventoryEvent(game, [&] {
        if (slot == GearSlot::Weapon) {
            return equip(game, ListedWeapon(game, n), n, &EquipWeapon, "Chopil ses zbraně ");
        }
        return equip(game, ListedArmour(game, n), n, &EquipArmour, "Oblékl jsi zbroj ");
    });
}

bool ViewObject(Game& game, std::int32_t n) {
    const obj* object = ListedObject(game, n);
    if (object == nullptr || object->obrazek.empty()) return false;
    if (FindStoryPicture(game.gameFolder(), object->obrazek.view()) == StoryPicture::Outside) {
        game.frontend.showMessage(outsideFolderMessage("./obrazky/" + object->obrazek.str()));
        return false;
    }
    game.frontend.showPicture("./obrazky/" + object->obrazek.str(), object->sirka, object->vyska,
                              false, object->jmeno.str());
    return true;
}

}  // namespace morvane
