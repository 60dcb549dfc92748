// The script commands that take or change weapons and armours, in the pack
// or equipped.
#include <string>
#include <string_view>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "character/Equipment.h"
#include "character/Gear.h"
#include "character/PossessionCommands.h"
#include "character/ScriptNumbers.h"
#include "game/Game.h"
#include "interpreter/Info.h"

namespace morvane {
namespace {

// One piece per attribute: from the pack while it holds any, else the
// equipped piece of that number with its bonuses. Nothing owned, no report.
template <class Piece>
void removePiece(Game& game, const tagg& tag) {
    for (const param& p : tag.parametry) {
        const std::int32_t n = toInteger(p.hodnota);
        Piece* entry = ScriptEntry(game, tag, Gear<Piece>::table(game), n);
        if (entry == nullptr) continue;
        if (entry->mnozstvi > 0) {
            addToCount(entry->mnozstvi, -1);
        } else if (Gear<Piece>::equipped(game).cislo == n) {
            TakeOff<Piece>(game);
        } else {
            continue;
        }
        Report(game, cz("Ztratil jsi ") + entry->nazev.str() + "!", "red");
    }
}

// A piece of a in the pack becomes a piece of b; failing that the equipped a
// is replaced by b. Returns whether anything changed.
template <class Piece>
bool changePiece(Game& game, Piece& from, Piece& to, std::int32_t a, std::int32_t b) {
    if (from.mnozstvi > 0) {
        addToCount(from.mnozstvi, -1);
        addToCount(to.mnozstvi, 1);
        return true;
    }
    if (Gear<Piece>::equipped(game).cislo != a) return false;
    Replace<Piece>(game, b);
    return true;
}

// Walks the old=new attributes; `message` words the change.
template <class Piece>
void changePieces(Game& game, const tagg& tag, std::string (*message)(const Piece&, const Piece&)) {
    for (const param& p : tag.parametry) {
        const std::int32_t a = toInteger(p.nazev);
        const std::int32_t b = toInteger(p.hodnota);
        Piece* from = ScriptEntry(game, tag, Gear<Piece>::table(game), a);
        Piece* to = ScriptEntry(game, tag, Gear<Piece>::table(game), b);
        if (from == nullptr || to == nullptr) continue;
        if (changePiece(game, *from, *to, a, b)) Report(game, message(*from, *to), "aqua");
    }
}

std::string weaponChanged(const TZbran& from, const TZbran& to) {
    return cz("Tvůj ") + from.nazev.str() + cz(" se změnil na ") + to.nazev.str();
}

std::string armourChanged(const TZbroj& from, const TZbroj& to) {
    return cz("Tvá ") + from.nazev.str() + cz(" se změnila na ") + to.nazev.str();
}

}  // namespace

void cmdOdstranZbran(Game& game, const tagg& tag) { removePiece<TZbran>(game, tag); }
void cmdOdstranZbroj(Game& game, const tagg& tag) { removePiece<TZbroj>(game, tag); }

void cmdZmenZbran(Game& game, const tagg& tag) { changePieces<TZbran>(game, tag, weaponChanged); }
void cmdZmenZbroj(Game& game, const tagg& tag) { changePieces<TZbroj>(game, tag, armourChanged); }

}  // namespace morvane
