#include "character/Equipment.h"

#include <algorithm>

#include "character/Gear.h"
#include "character/HeroEffects.h"
#include "game/Game.h"
#include "parser/Effect.h"

namespace morvane {
namespace {

// A count read from a stored record may hold anything; never read past the array.
template <class Piece>
int effectCount(const Piece& piece) {
    return std::clamp<int>(piece.pocetefektu, 0, kEffectsPerEntry);
}

// The fields an empty slot clears; the rest of the copy stays as it was.
void clearNumbers(TZbran& weapon) {
    weapon.utok = kostka{};
    weapon.poskozeni = 0;
    weapon.cena = 0;
}

void clearNumbers(TZbroj& armour) {
    armour.obrana = 0;
    armour.tvrdost = 0;
    armour.postih = 0;
    armour.cena = 0;
}

template <class Piece>
void makeEmpty(Piece& piece) {
    piece.cislo = 0;
    piece.nazev.assign("Nic");
    piece.popis.assign("-");
    clearNumbers(piece);
    piece.pocetefektu = 0;
    piece.mnozstvi = 0;
}

template <class Piece>
void putOn(Game& game, const Piece& entry) {
    Gear<Piece>::equipped(game) = entry;
    ApplyEquippedEffects<Piece>(game);
}

template <class Piece>
bool equipFromPack(Game& game, std::int32_t n) {
    auto& table = Gear<Piece>::table(game);
    Piece* chosen = table.find(n);
    if (chosen == nullptr || chosen->mnozstvi <= 0) return false;
    Piece& slot = Gear<Piece>::equipped(game);
    UndoEquippedEffects<Piece>(game);
    // The slot knows its piece only by the number the library line carries.
    if (slot.cislo > 0) {
        if (Piece* previous = table.find(slot.cislo)) addToCount(previous->mnozstvi, 1);
    }
    putOn(game, *chosen);
    addToCount(chosen->mnozstvi, -1);
    return true;
}

template <class Piece>
void equipFirst(Game& game) {
    if (Gear<Piece>::loaded(game) >= 1) {
        putOn(game, Gear<Piece>::table(game)[1]);
    } else {
        makeEmpty(Gear<Piece>::equipped(game));
    }
}

}  // namespace

template <class Piece>
void UndoEquippedEffects(Game& game) {
    const Piece& piece = Gear<Piece>::equipped(game);
    for (int i = 0; i < effectCount(piece); ++i) UndoEffect(game, piece.efekty[i]);
}

template <class Piece>
void ApplyEquippedEffects(Game& game) {
    const Piece& piece = Gear<Piece>::equipped(game);
    for (int i = 0; i < effectCount(piece); ++i) ApplyEffect(game, piece.efekty[i]);
}

template <class Piece>
void TakeOff(Game& game) {
    UndoEquippedEffects<Piece>(game);
    makeEmpty(Gear<Piece>::equipped(game));
}

template <class Piece>
void Replace(Game& game, std::int32_t n) {
    const Piece* entry = Gear<Piece>::table(game).find(n);
    if (entry == nullptr) return;
    UndoEquippedEffects<Piece>(game);
    putOn(game, *entry);
}

template void UndoEquippedEffects<TZbran>(Game&);
template void UndoEquippedEffects<TZbroj>(Game&);
template void ApplyEquippedEffects<TZbran>(Game&);
template void ApplyEquippedEffects<TZbroj>(Game&);
template void TakeOff<TZbran>(Game&);
template void TakeOff<TZbroj>(Game&);
template void Replace<TZbran>(Game&, std::int32_t);
template void Replace<TZbroj>(Game&, std::int32_t);

bool EquipWeapon(Game& game, std::int32_t n) { return equipFromPack<TZbran>(game, n); }
bool EquipArmour(Game& game, std::int32_t n) { return equipFromPack<TZbroj>(game, n); }

void EquipStartingGear(Game& game) {
    equipFirst<TZbran>(game);
    equipFirst<TZbroj>(game);
}

}  // namespace morvane
