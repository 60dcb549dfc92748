// The terminal's shop and sell screen.
#include "console/TextSession.h"

#include "base/Win1250.h"
#include "character/SellScreen.h"
#include "character/ShopScreen.h"
#include "console/Numbering.h"
#include "console/TextWords.h"
#include "game/Game.h"

namespace morvane {

using json = nlohmann::ordered_json;

void TextSession::showShop() {
    showMoveSoFar();
    Game& g = *game_;
    for (;;) {
        const ShopView view = DescribeShop(g);
        json goods = json::array();
        for (const ShopGood& good : view.goods) {
            goods.push_back({{"text", toUtf8(good.text)}, {"typ", toUtf8(good.typ)},
                             {"cislo", good.cislo}, {"cena", good.cena}});
        }
        const Command c = next(Screen::Shop, {{"Label2", toUtf8(view.Label2)},
                                              {"Label3", toUtf8(view.Label3)},
                                              {"Label5", toUtf8(view.Label5)},
                                              {"goods", goods}});
        if (c.word(0) == "close" && c.words.size() == 1) return;
        refuse(shopCommand(c));
    }
}

// The goods are numbered as shown, for a script and a person alike.
Refusal TextSession::shopCommand(const Command& c) {
    Game& g = *game_;
    const bool bare = human() && c.words.size() == 1 && Number(c.word(0));
    const std::string verb = bare ? "buy" : c.word(0);
    const auto k = Number(c.word(bare ? 0 : 1));
    if (verb != "buy" && verb != "hover" && !(human() && verb == "info"))
        return Refusal::UnknownCommand;
    if (!k || *k < 1 || *k > static_cast<std::int32_t>(DescribeShop(g).goods.size()))
        return Refusal::NoSuchEntry;
    if (verb == "buy") Buy(g, *k);
    else HoverGood(g, *k);
    return Refusal::None;
}

void TextSession::showSell() {
    showMoveSoFar();
    Game& g = *game_;
    for (;;) {
        const SellView view = DescribeSell(g);
        json lines = json::array();
        for (const SellLine& line : view.lines) {
            lines.push_back({{"kind", SellKindName(line.kind)}, {"cislo", line.cislo},
                             {"text", toUtf8(line.text)}, {"visible", line.visible}});
        }
        const Command c = next(Screen::Sell, {{"Label2", toUtf8(view.Label2)},
                                              {"Status", toUtf8(view.Status)},
                                              {"lines", lines}});
        if (c.word(0) == "close" && c.words.size() == 1) return;
        refuse(human() ? sellHuman(c) : sellCommand(c));
    }
}

// "sell KIND N": the kind's word and the table entry.
Refusal TextSession::sellCommand(const Command& c) {
    Game& g = *game_;
    const auto n = Number(c.word(2));
    const auto kind = SellKindNamed(c.word(1));
    bool shown = false;
    for (const SellLine& line : DescribeSell(g).lines)
        if (kind && n && line.kind == *kind && line.cislo == *n && line.visible) shown = true;
    if (c.word(0) == "sell" && shown) Sell(g, *kind, *n);
    else if (c.word(0) == "hover" && shown) HoverSellLine(g, *kind, *n);
    else return Refusal::UnknownCommand;
    return Refusal::None;
}

// A person's sale: the number of a shown line.
Refusal TextSession::sellHuman(const Command& c) {
    Game& g = *game_;
    const bool bare = c.words.size() == 1 && Number(c.word(0));
    const std::string verb = bare ? "sell" : c.word(0);
    if (c.words.size() > 2 || (verb != "sell" && verb != "info")) return Refusal::UnknownCommand;
    const auto line = Chosen(SellChoices(DescribeSell(g)), Number(c.word(bare ? 0 : 1)));
    if (!line) return Refusal::NoSuchEntry;
    if (verb == "info") {
        HoverSellLine(g, line->kind, line->cislo);
        return Refusal::None;
    }
    const std::string report = SaleReport(g, line->kind, line->cislo);
    if (Sell(g, line->kind, line->cislo)) {
        confirm(report);
        // The description of what was sold would stay over a line that may be gone.
        HoverSellBackground(g);
    }
    return Refusal::None;
}

}  // namespace morvane
