#include "interpreter/SpecialValues.h"

#include <charconv>
#include <cstdint>

#include "base/Numbers.h"
#include "game/Game.h"
#include "interpreter/Substitute.h"

namespace morvane {
namespace {

void appendNumber(std::string& out, std::int32_t value) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

void appendTwoDigits(std::string& out, int value) {
    out += static_cast<char>('0' + value / 10 % 10);
    out += static_cast<char>('0' + value % 10);
}

// Czech long time format, H:MM:SS (the hour unpadded).
void appendTime(const Game& game, std::string& out) {
    const LocalTime t = game.clock.now();
    appendNumber(out, t.hour);
    out += ':';
    appendTwoDigits(out, t.minute);
    out += ':';
    appendTwoDigits(out, t.second);
}

// Czech short date format, D.M.YYYY.
void appendDate(const Game& game, std::string& out) {
    const LocalTime t = game.clock.now();
    appendNumber(out, t.day);
    out += '.';
    appendNumber(out, t.month);
    out += '.';
    appendNumber(out, t.year);
}

using Reader = void (*)(const Game&, std::string&);

struct SpecialValue {
    std::string_view name;
    Reader read;
};

// A number of the hero, of the game state or of the fight globals.
#define MORVANE_NUMBER(name, expr) \
    SpecialValue { name, [](const Game& g, std::string& out) { appendNumber(out, (expr)); } }

// The most used names come first: the lookup is a linear scan.
constexpr SpecialValue kSpecialValues[] = {
    MORVANE_NUMBER("ZIVOTY", g.hrac.zivoty),
    MORVANE_NUMBER("MAXZIVOTY", g.hrac.maxzivoty),
    MORVANE_NUMBER("MANA", g.hrac.mana),
    MORVANE_NUMBER("MAXMANA", g.hrac.maxmana),
    MORVANE_NUMBER("SILA", g.hrac.sila),
    MORVANE_NUMBER("OBRATNOST", g.hrac.obratnost),
    MORVANE_NUMBER("RYCHLOST", g.hrac.rychlost),
    MORVANE_NUMBER("ENERGIE", g.hrac.energie),
    MORVANE_NUMBER("ZKUSENOSTI", g.hrac.zkusenosti),
    MORVANE_NUMBER("XP", g.hrac.zkusenosti),
    MORVANE_NUMBER("PENIZE", g.hrac.penize),
    MORVANE_NUMBER("LOKACE", g.stavhry.lokace),
    MORVANE_NUMBER("VYSLEDEKSOUBOJE", g.vysledeksouboje),
    SpecialValue{"JMENO", [](const Game& g, std::string& out) { out += g.hrac.jmeno.view(); }},
    SpecialValue{"STARTJMENO",
                 [](const Game& g, std::string& out) { out += g.hrac.startjmeno.view(); }},
    SpecialValue{"CAS", appendTime},
    SpecialValue{"DATUM", appendDate},
    MORVANE_NUMBER("KOUZLAVSOUBOJI", g.hrac.kouzlavsouboji),
    MORVANE_NUMBER("PREDMETYVSOUBOJI", g.hrac.predmetyvsouboji),
    MORVANE_NUMBER("ZASAZENVSOUBOJI", g.hrac.zasazenvsouboji != 0 ? 1 : 0),
    MORVANE_NUMBER("CISLOZBRANE", g.hrac.zbran.cislo),
    MORVANE_NUMBER("CISLOZBROJE", g.hrac.zbroj.cislo),
    MORVANE_NUMBER("POSKOZENI", g.hrac.zbran.poskozeni),
    MORVANE_NUMBER("STARTMAXZIVOTY", g.hrac.startmaxzivoty),
    MORVANE_NUMBER("STARTMAXMANA", g.hrac.startmaxmana),
    MORVANE_NUMBER("STARTSILA", g.hrac.startsila),
    MORVANE_NUMBER("STARTOBRATNOST", g.hrac.startobratnost),
    MORVANE_NUMBER("STARTRYCHLOST", g.hrac.startrychlost),
    MORVANE_NUMBER("STARTENERGIE", g.hrac.startenergie),
    MORVANE_NUMBER("SOUBOJZIVOTY", wrapAdd(g.hrac.maxzivoty, g.bonusy.maxzivoty)),
    MORVANE_NUMBER("CISTYMAXZIVOTY", PureAttribute(g, "maxzivoty")),
    MORVANE_NUMBER("CISTYMAXMANA", PureAttribute(g, "maxmana")),
    MORVANE_NUMBER("CISTYSILA", PureAttribute(g, "sila")),
    MORVANE_NUMBER("CISTYOBRATNOST", PureAttribute(g, "obratnost")),
    MORVANE_NUMBER("CISTYRYCHLOST", PureAttribute(g, "rychlost")),
    MORVANE_NUMBER("CISTYENERGIE", PureAttribute(g, "energie")),
};

#undef MORVANE_NUMBER

}  // namespace

bool AppendSpecialValue(const Game& game, std::string_view upperName, std::string& out) {
    for (const SpecialValue& value : kSpecialValues) {
        if (value.name == upperName) {
            value.read(game, out);
            return true;
        }
    }
    return false;
}

void ForEachStateValue(const Game& game,
                       const std::function<void(std::string_view, const std::string&)>& visit) {
    std::string text;
    for (const SpecialValue& value : kSpecialValues) {
        // The clock moves by itself: its values are no state of the game.
        if (value.read == appendTime || value.read == appendDate) continue;
        text.clear();
        value.read(game, text);
        visit(value.name, text);
    }
}

}  // namespace morvane
