#pragma once
// The equipped weapon and armour: putting pieces on and taking them off, with
// the bonuses they give. While a piece is equipped its effects are in force on
// the hero; every change of the slot goes through here so that stays true.
#include <cstdint>

namespace morvane {

struct Game;
struct TZbran;
struct TZbroj;

// Takes the equipped piece's effects off the hero, or puts them on again.
// Piece is TZbran or TZbroj.
template <class Piece>
void UndoEquippedEffects(Game& game);
template <class Piece>
void ApplyEquippedEffects(Game& game);

// Empties the slot: the piece's effects go and the slot holds the empty piece
// (number 0, "Nic"). The pack is not touched.
template <class Piece>
void TakeOff(Game& game);

// The slot gets a copy of table entry n (1..100) in place of the equipped
// piece, whose effects go while the new piece's come. The pack is not touched.
template <class Piece>
void Replace(Game& game, std::int32_t n);

// Equipping from the pack (the inventory): the equipped piece, if any, goes
// back to the pack and entry n comes out of it. False, with nothing changed,
// for a number outside the table or a piece the pack does not hold. Use
// conditions are the caller's to check.
bool EquipWeapon(Game& game, std::int32_t n);
bool EquipArmour(Game& game, std::int32_t n);

// A new game starts with the first weapon and the first armour of the tables
// equipped, their effects in force, the pack untouched. A table that read no
// entries leaves its slot empty. The hero must be freshly filled: whatever
// the slots held before is dropped without undoing its effects.
void EquipStartingGear(Game& game);

}  // namespace morvane
