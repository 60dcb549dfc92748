// The terminal's combat screen: the JSON protocol by table entries, a person by the numbers shown.
#include "console/TextSession.h"

#include "combat/FightView.h"
#include "console/JsonView.h"
#include "console/HumanView.h"
#include "console/Numbering.h"
#include "console/TextWords.h"
#include "game/Game.h"

namespace morvane {

using json = nlohmann::ordered_json;

// The fight closes itself on the blow that ends it; a person still sees
// that last round before the page goes on.
void TextSession::showFight() {
    showMoveSoFar();
    bool closed = false;
    while (FightOpen(*game_)) {
        const Command c = next(Screen::Fight, human() ? json(nullptr) : FightJson(*game_));
        closed = c.word(0) == "close";
        guarded([&] {
            if (human()) refuse(fightHuman(c));
            else if (!fightCommand(c)) refuse(Refusal::UnknownCommand);
        });
    }
    if (human() && !closed) {
        HumanView view = humanNow();
        view.fightRound();
    }
}

bool TextSession::fightCommand(const Command& c) {
    Game& g = *game_;
    const FightView view = DescribeFight(g);
    const auto n = Number(c.word(c.word(0) == "hover" ? 2 : 1));
    const auto hasAction = [&](std::int32_t k) {
        for (const FightAction& a : view.actions)
            if (a.entry == k) return true;
        return false;
    };
    // The list opens first, as the button click would; the entry must then be in it.
    const auto inList = [&](FightListKind kind, std::int32_t k) {
        const FightView opened = DescribeFight(g);
        if (opened.list.kind != kind) return false;
        for (const FightListEntry& e : opened.list.entries)
            if (e.entry == k) return true;
        return false;
    };
    const std::string verb = c.word(0);
    if (verb == "close" && c.words.size() == 1) return ClickPicture(g), true;
    if (verb == "attack" && n && hasAction(*n)) return ClickAction(g, *n), true;
    if (verb == "item" && n) {
        ClickItemButton(g);
        return inList(FightListKind::Items, *n) ? (ClickItem(g, *n), true) : false;
    }
    if (verb == "spell" && n) {
        ClickSpellButton(g);
        return inList(FightListKind::Spells, *n) ? (ClickSpell(g, *n), true) : false;
    }
    if (verb != "hover" || !n) return false;
    const std::string what = c.word(1);
    if (what == "attack" && hasAction(*n)) return HoverAction(g, *n), true;
    if (what == "item") {
        ClickItemButton(g);
        return inList(FightListKind::Items, *n) ? (HoverItem(g, *n), true) : false;
    }
    if (what == "spell") {
        ClickSpellButton(g);
        return inList(FightListKind::Spells, *n) ? (HoverSpell(g, *n), true) : false;
    }
    return false;
}

// A person's fight: the numbers shown (the actions, then the open list's
// lines), the two list buttons by their captions, "info" for a description.
Refusal TextSession::fightHuman(const Command& c) {
    Game& g = *game_;
    const FightView view = DescribeFight(g);
    const std::string verb = Fold(c.word(0));
    if (verb == "close" && c.words.size() == 1) {
        if (!view.ended) return Refusal::FightGoesOn;
        ClickPicture(g);
        return Refusal::None;
    }
    if (view.ended) return Refusal::FightOver;
    if (c.words.size() == 1 && Number(verb)) return fightChoice(Number(verb), false);
    const bool items = verb == "predmety" || verb == "item";
    if ((items || verb == "kouzla" || verb == "spell") && c.words.size() <= 2) {
        if (!(items ? view.items_allowed : view.spells_allowed))
            return items ? Refusal::ItemsNotAllowed : Refusal::SpellsNotAllowed;
        if (!view.buttons_shown) return Refusal::ListUsed;
        if (items) ClickItemButton(g);
        else ClickSpellButton(g);
        return c.words.size() == 1 ? Refusal::None : fightChoice(Number(c.word(1)), false);
    }
    if ((verb == "attack" || verb == "info") && c.words.size() == 2)
        return fightChoice(Number(c.word(1)), verb == "info");
    return Refusal::UnknownCommand;
}

Refusal TextSession::fightChoice(std::optional<std::int32_t> k, bool info) {
    Game& g = *game_;
    const auto chosen = Chosen(FightChoices(DescribeFight(g)), k);
    if (!chosen) return Refusal::NoSuchEntry;
    switch (chosen->list) {
        case FightListKind::None:
            info ? HoverAction(g, chosen->entry) : ClickAction(g, chosen->entry);
            break;
        case FightListKind::Items:
            info ? HoverItem(g, chosen->entry) : ClickItem(g, chosen->entry);
            break;
        case FightListKind::Spells:
            info ? HoverSpell(g, chosen->entry) : ClickSpell(g, chosen->entry);
            break;
    }
    return Refusal::None;
}

}  // namespace morvane
