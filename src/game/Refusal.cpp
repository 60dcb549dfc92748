#include "game/Refusal.h"

#include "base/Win1250.h"

namespace morvane {

std::string RefusalText(Refusal refusal) {
    switch (refusal) {
        case Refusal::None: return "";
        case Refusal::UnknownCommand:
            return cz("Tomu nerozumím. Co můžeš napsat, vypíše help nebo ?.");
        case Refusal::NoSuchEntry: return cz("Položka s tímto číslem tu není.");
        case Refusal::NotOffered: return cz("Tahle volba teď není k dispozici.");
        case Refusal::NotEnoughXp: return cz("Na to nemáš dost zkušeností.");
        case Refusal::ItemsNotAllowed: return cz("V tomto souboji nelze používat předměty.");
        case Refusal::SpellsNotAllowed: return cz("V tomto souboji nelze sesílat kouzla.");
        case Refusal::ListUsed: return cz("Předmět nebo kouzlo jsi v tomto kole už použil.");
        case Refusal::FightOver: return cz("Nepřítel je poražen. Souboj zavře close.");
        case Refusal::FightGoesOn: return cz("Souboj ještě neskončil.");
        case Refusal::NotUsable: return cz("Tento předmět tady použít nelze.");
        case Refusal::NoPicture: return cz("Tento předmět nemá obrázek.");
        case Refusal::BadVolume: return cz("Hlasitost je číslo od 0 do 255.");
        case Refusal::NoSuchAttribute:
            return cz("Taková vlastnost není: zivoty, mana, sila, obratnost, rychlost, energie.");
    }
    return "";
}

}  // namespace morvane
