#include "character/CharacterSheet.h"

#include <string_view>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "game/Game.h"

namespace morvane {
namespace {

constexpr std::array kSlots = {PriceSlot::Zivoty,    PriceSlot::Mana,    PriceSlot::Sila,
                               PriceSlot::Obratnost, PriceSlot::Energie, PriceSlot::Rychlost};

std::string Pair(std::int32_t current, std::int32_t maximum) {
    return toText(current) + " / " + toText(maximum);
}

// A bonus is written with its own sign, so a negative one reads "1k6-2", not "1k6+-2".
std::string Signed(std::int32_t value) { return (value < 0 ? "" : "+") + toText(value); }

std::string WeaponLine(const TZbran& zbran) {
    return zbran.nazev.str() + cz(" (útok ") + toText(zbran.utok.pocet) + "k" +
           toText(zbran.utok.strany) + Signed(zbran.utok.bonus) + cz(", poškození ") +
           toText(zbran.poskozeni) + ")";
}

std::string ArmourLine(const TZbroj& zbroj) {
    std::string line = zbroj.nazev.str() + " (obrana " + toText(zbroj.obrana) + ", tvrdost " +
                       toText(zbroj.tvrdost);
    if (zbroj.postih >= 1) line += cz(", útok -") + toText(zbroj.postih);
    return line + ")";
}

void RaiseByOne(postava& hrac, PriceSlot attribute) {
    switch (attribute) {
        case PriceSlot::Zivoty:
            hrac.zivoty = wrapAdd(hrac.zivoty, 1);
            hrac.maxzivoty = wrapAdd(hrac.maxzivoty, 1);
            break;
        case PriceSlot::Mana:
            hrac.mana = wrapAdd(hrac.mana, 1);
            hrac.maxmana = wrapAdd(hrac.maxmana, 1);
            break;
        case PriceSlot::Sila: hrac.sila = wrapAdd(hrac.sila, 1); break;
        case PriceSlot::Obratnost: hrac.obratnost = wrapAdd(hrac.obratnost, 1); break;
        case PriceSlot::Energie: hrac.energie = wrapAdd(hrac.energie, 1); break;
        case PriceSlot::Rychlost: hrac.rychlost = wrapAdd(hrac.rychlost, 1); break;
    }
}

std::string_view HintText(PriceSlot attribute) {
    switch (attribute) {
        case PriceSlot::Zivoty: return "Zvýšení počtu životů ";
        case PriceSlot::Mana: return "Zvýšení úrovně many ";
        case PriceSlot::Sila: return "Zvýšení síly ";
        case PriceSlot::Obratnost: return "Zvýšení obratnosti ";
        case PriceSlot::Energie: return "Zvýšení energie ";
        case PriceSlot::Rychlost: return "Zvýšení rychlosti ";
    }
    return "";
}

}  // namespace

CharacterSheet PrepareSheet(const Game& game) {
    const postava& hrac = game.hrac;
    CharacterSheet sheet;
    sheet.Jmeno = hrac.jmeno.str();
    sheet.Label1 = Pair(hrac.zivoty, hrac.maxzivoty);
    sheet.Label2 = Pair(hrac.mana, hrac.maxmana);
    sheet.Label3 = toText(hrac.sila);
    sheet.Label4 = toText(hrac.obratnost);
    sheet.Label5 = toText(hrac.rychlost);
    sheet.Label6 = toText(hrac.energie);
    sheet.Label7 = toText(hrac.zkusenosti);
    sheet.Label8 = WeaponLine(hrac.zbran);
    sheet.Label9 = ArmourLine(hrac.zbroj);
    for (PriceSlot slot : kSlots) sheet.plus[static_cast<int>(slot)] = CanTrain(game, slot);
    return sheet;
}

bool CanTrain(const Game& game, PriceSlot attribute) {
    return game.hrac.zkusenosti >= game.hrac.price(attribute);
}

bool Train(Game& game, PriceSlot attribute) {
    if (!CanTrain(game, attribute)) return false;
    postava& hrac = game.hrac;
    const std::int32_t price = hrac.price(attribute);
    RaiseByOne(hrac, attribute);
    hrac.zkusenosti = wrapSub(hrac.zkusenosti, price);
    hrac.price(attribute) = wrapAdd(price, hrac.priceStep(attribute));
    return true;
}

std::string TrainingHint(const Game& game, PriceSlot attribute) {
    return cz(HintText(attribute)) + toText(game.hrac.price(attribute)) + " XP";
}

std::string CloseHint() { return cz("Zavřít"); }

SheetCaptions DescribeSheetCaptions() { return {cz("Zkušenosti"), cz("Zbraň"), "Zbroj"}; }

std::string AttributeCaption(PriceSlot attribute) {
    switch (attribute) {
        case PriceSlot::Zivoty: return cz("Životy");
        case PriceSlot::Mana: return "Mana";
        case PriceSlot::Sila: return cz("Síla");
        case PriceSlot::Obratnost: return "Obratnost";
        case PriceSlot::Energie: return "Energie";
        case PriceSlot::Rychlost: return "Rychlost";
    }
    return "";
}

}  // namespace morvane
