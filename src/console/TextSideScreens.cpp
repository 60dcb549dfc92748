// The side screens the player opens from the main window: the character sheet, the inventory and the audio settings.
#include "console/TextSession.h"

#include "base/Win1250.h"
#include "character/CharacterSheet.h"
#include "character/Inventory.h"
#include "console/JsonView.h"
#include "console/Numbering.h"
#include "console/TextWords.h"
#include "game/Flow.h"
#include "game/Game.h"
#include "shell/Audio.h"
#include "shell/AudioSettings.h"

namespace morvane {

using json = nlohmann::ordered_json;

void TextSession::sheetScreen() {
    Game& g = *game_;
    xpinfo_.clear();
    sideClosed_ = false;
    for (;;) {
        json texts = SheetJson(g);
        texts["XPinfo"] = toUtf8(xpinfo_);
        const Command c = next(Screen::Sheet, texts, true);
        if (sideClosed_ || QuitRequested(g)) return;
        if (c.interrupted) continue;
        if (c.word(0) == "close" && c.words.size() == 1) return;
        refuse(sheetCommand(c));
    }
}

// "train ATTRIBUTE" and "hover ATTRIBUTE"; a person also trains by the
// number of a line and asks its price with "info".
Refusal TextSession::sheetCommand(const Command& c) {
    Game& g = *game_;
    const bool bare = human() && c.words.size() == 1;
    const std::string verb = bare ? "train" : c.word(0);
    const std::string what = c.word(bare ? 0 : 1);
    std::optional<PriceSlot> attribute = Attribute(human() ? Fold(what) : what);
    if (const auto k = Number(what); human() && k) {
        if (*k < 1 || *k > static_cast<std::int32_t>(kSheetRows.size())) return Refusal::NoSuchEntry;
        attribute = kSheetRows[static_cast<std::size_t>(*k - 1)];
    }
    const bool hover = verb == "hover" || (human() && verb == "info");
    if ((verb != "train" && !hover) || (human() && !bare && c.words.size() != 2))
        return Refusal::UnknownCommand;
    if (!attribute) return human() && !bare ? Refusal::NoSuchAttribute : Refusal::UnknownCommand;
    if (hover) {
        xpinfo_ = TrainingHint(g, *attribute);
        return Refusal::None;
    }
    if (!CanTrain(g, *attribute)) return Refusal::NotEnoughXp;
    Train(g, *attribute);
    return Refusal::None;
}

void TextSession::inventoryScreen() {
    Game& g = *game_;
    OpenInventory(g);
    sideClosed_ = false;
    const auto lines = [](const std::vector<InventoryLine>& list) {
        json out = json::array();
        for (const InventoryLine& line : list)
            out.push_back({{"cislo", line.cislo}, {"text", toUtf8(line.text)}});
        return out;
    };
    for (;;) {
        const InventoryView v = DescribeInventory(g);
        const Command c = next(Screen::Inventory, {{"Label9", toUtf8(v.Label9)},
                                                   {"Prachy", toUtf8(v.Prachy)},
                                                   {"Status", toUtf8(v.Status)},
                                                   {"Status2", toUtf8(v.Status2)},
                                                   {"objekty", lines(v.objekty)},
                                                   {"predmety", lines(v.predmety)},
                                                   {"zbrane", lines(v.zbrane)},
                                                   {"zbroje", lines(v.zbroje)}},
                               true);
        if (sideClosed_ || QuitRequested(g)) return;
        if (c.interrupted) continue;
        if (c.word(0) == "close" && c.words.size() == 1) return;
        if (human()) refuse(inventoryHuman(c));
        else if (!inventoryCommand(c)) refuse(Refusal::UnknownCommand);
    }
}

// Use, equip, view and hover act only on entries that have a line.
bool TextSession::inventoryCommand(const Command& c) {
    Game& g = *game_;
    const InventoryView v = DescribeInventory(g);
    const auto listed = [](const std::vector<InventoryLine>& list, std::optional<std::int32_t> n) {
        if (!n) return false;
        for (const InventoryLine& line : list)
            if (line.cislo == *n) return true;
        return false;
    };
    const std::string verb = c.word(0), what = c.word(1);
    if (verb == "use" && listed(v.predmety, Number(what))) return UseItem(g, *Number(what)), true;
    if (verb == "view" && listed(v.objekty, Number(what)))
        return ViewObject(g, *Number(what)) || true;
    const auto n = Number(c.word(2));
    if (verb == "equip" && what == "zbran" && listed(v.zbrane, n))
        return EquipFromInventory(g, GearSlot::Weapon, *n), true;
    if (verb == "equip" && what == "zbroj" && listed(v.zbroje, n))
        return EquipFromInventory(g, GearSlot::Armour, *n), true;
    if (verb != "hover") return false;
    if (what == "objekt" && listed(v.objekty, n)) return HoverInventoryObject(g, *n), true;
    if (what == "predmet" && listed(v.predmety, n)) return HoverInventoryItem(g, *n), true;
    if (what == "zbran" && listed(v.zbrane, n)) return HoverInventoryWeapon(g, *n), true;
    if (what == "zbroj" && listed(v.zbroje, n)) return HoverInventoryArmour(g, *n), true;
    return false;
}

// A person's inventory: the number of a line does what a click on it does.
Refusal TextSession::inventoryHuman(const Command& c) {
    Game& g = *game_;
    const bool bare = c.words.size() == 1 && Number(c.word(0));
    const std::string verb = bare ? "use" : c.word(0);
    const bool info = verb == "info";
    if (c.words.size() > 2 || (!info && verb != "use" && verb != "equip" && verb != "view"))
        return Refusal::UnknownCommand;
    const auto chosen = Chosen(InventoryChoices(DescribeInventory(g)), Number(c.word(bare ? 0 : 1)));
    if (!chosen) return Refusal::NoSuchEntry;
    const std::int32_t n = chosen->line.cislo;
    using Kind = InventoryChoice::Kind;
    switch (chosen->kind) {
        case Kind::Object:
            if (info) return HoverInventoryObject(g, n), Refusal::None;
            if (!chosen->line.clickable) return Refusal::NoPicture;
            ViewObject(g, n);
            break;
        case Kind::Item:
            if (info) return HoverInventoryItem(g, n), Refusal::None;
            if (!chosen->line.clickable) return Refusal::NotUsable;
            UseItem(g, n);
            break;
        case Kind::Weapon:
            if (info) return HoverInventoryWeapon(g, n), Refusal::None;
            EquipFromInventory(g, GearSlot::Weapon, n);
            break;
        case Kind::Armour:
            if (info) return HoverInventoryArmour(g, n), Refusal::None;
            EquipFromInventory(g, GearSlot::Armour, n);
            break;
    }
    return Refusal::None;
}

void TextSession::audioScreen() {
    Game& g = *game_;
    for (;;) {
        const TAudio& a = *g.audio;
        const json texts = {{"CheckBox1", a.zvukyzapnuty},
                            {"CheckBox2", a.hudbazapnuta},
                            {"TrackBar1", a.hlasitostzvuku},
                            {"TrackBar2", a.hlasitosthudby}};
        const Command c = next(Screen::Audio, texts);
        // OK stores the settings and closes; "close" does the same.
        if ((c.word(0) == "ok" || c.word(0) == "close") && c.words.size() == 1) {
            AudioSettings_Button1Click(g);
            return;
        }
        refuse(audioCommand(c));
    }
}

Refusal TextSession::audioCommand(const Command& c) {
    Game& g = *game_;
    const TAudio& a = *g.audio;
    const std::string verb = c.word(0), value = c.word(1);
    const auto n = Number(value);
    const bool onOff = c.words.size() == 2 && (value == "on" || value == "off");
    // A person's 1 and 2 switch the two lines shown.
    if (human() && c.words.size() == 1 && (verb == "1" || verb == "2")) {
        if (verb == "1") AudioSettings_CheckBox1Click(g, !a.zvukyzapnuty);
        else AudioSettings_CheckBox2Click(g, !a.hudbazapnuta);
        return Refusal::None;
    }
    if (verb == "sounds" && onOff) AudioSettings_CheckBox1Click(g, value == "on");
    else if (verb == "music" && onOff) AudioSettings_CheckBox2Click(g, value == "on");
    else if (verb == "soundvol" || verb == "musicvol") {
        if (!n || *n < 0 || *n > 255) return Refusal::BadVolume;
        if (verb == "soundvol") AudioSettings_TrackBar1Change(g, *n);
        else AudioSettings_TrackBar2Change(g, *n);
    } else {
        return Refusal::UnknownCommand;
    }
    return Refusal::None;
}

}  // namespace morvane
