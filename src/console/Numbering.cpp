#include "console/Numbering.h"

namespace morvane {

std::vector<InventoryChoice> InventoryChoices(const InventoryView& view) {
    using Kind = InventoryChoice::Kind;
    std::vector<InventoryChoice> choices;
    const std::pair<Kind, const std::vector<InventoryLine>*> lists[] = {
        {Kind::Object, &view.objekty},
        {Kind::Item, &view.predmety},
        {Kind::Weapon, &view.zbrane},
        {Kind::Armour, &view.zbroje}};
    for (const auto& [kind, lines] : lists)
        for (const InventoryLine& line : *lines) choices.push_back({kind, line});
    return choices;
}

std::vector<SellLine> SellChoices(const SellView& view) {
    std::vector<SellLine> shown;
    for (const SellLine& line : view.lines)
        if (line.visible) shown.push_back(line);
    return shown;
}

std::vector<FightChoice> FightChoices(const FightView& view) {
    std::vector<FightChoice> choices;
    for (const FightAction& a : view.actions)
        choices.push_back({FightListKind::None, a.entry, a.text, a.enabled});
    for (const FightListEntry& e : view.list.entries)
        choices.push_back({view.list.kind, e.entry, e.text, e.usable});
    return choices;
}

}  // namespace morvane
