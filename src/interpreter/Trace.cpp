#include "interpreter/Trace.h"

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "game/Game.h"
#include "interpreter/CommandTable.h"
#include "interpreter/SpecialValues.h"

namespace morvane {
namespace {

// A value longer than this is cut in the trace: a line is for reading.
constexpr std::size_t kShownValue = 60;
// A command that changes more than this many values (a range of variables)
// lists the first of them and counts the rest.
constexpr std::size_t kShownChanges = 8;

void Line(Game& game, std::int32_t lokace, const std::string& text) {
    game.frontend.traceLine("trace: lokace " + toText(lokace) + ": " + text);
}

void Line(Game& game, const std::string& text) { Line(game, game.stavhry.lokace, text); }

// A value on one line, cut to a readable length.
std::string Shown(std::string_view value) {
    std::string text(value.substr(0, kShownValue));
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    if (value.size() > kShownValue) text += cz("…");
    return "\"" + text + "\"";
}

std::string Written(const tagg& tag) {
    std::string text = tag.nazev.empty() ? cz("(značka bez jména)") : tag.nazev;
    for (const param& p : tag.parametry) text += " " + p.nazev + "=" + Shown(p.hodnota);
    return text;
}

}  // namespace

void TraceLocation(Game& game, std::int32_t n) {
    game.frontend.traceLine("trace: lokace " + toText(n));
}

void TraceScan::tag(std::size_t, const tagg& tag, const TagFlaws& flaws, bool stored) {
    if (!stored)
        Line(game_, Written(tag) + cz(" -> přeskočen: příkazů je víc než ") + toText(kMaxCommands) +
                        cz(" nebo leží v bloku vnořeném hlouběji než ") + toText(kMaxNesting));
    if (flaws.extraAttributes > 0)
        Line(game_, tag.nazev + ": " + toText(flaws.extraAttributes) +
                        cz(" atributů navíc přeskočeno (nejvýš ") + toText(kMaxAttributes) + ")");
    if (flaws.cutAttribute)
        Line(game_, tag.nazev + cz(": atribut bez = nebo bez uvozovek přeskočen"));
}

void TraceScan::blockOpened(std::size_t, const podminka&, bool recorded) {
    if (!recorded)
        Line(game_, cz("podmínkový blok vnořený hlouběji než ") + toText(kMaxNesting) +
                        cz(": jeho příkazy se přeskočí"));
}

void TraceScan::blockClosed(std::size_t, bool matched) {
    if (!matched) Line(game_, cz("[/] bez otevřeného bloku přeskočeno"));
}

TracedCommand::TracedCommand(Game& game, const tagg& written)
    : game_(game), lokace_(game.stavhry.lokace), tag_(written) {}

void TracedCommand::substituted(const tagg& tag, const CommandEntry* entry) {
    tag_ = tag;
    entry_ = entry;
    substituted_ = true;
    if (entry != nullptr) {
        for (const param& p : tag.parametry)
            if (!ReadsAttribute(*entry, p.nazev))
                Line(game_, lokace_,
                     tag.nazev + cz(": atribut ") + p.nazev + cz(" příkaz nečte, přeskočen"));
    }
    if (entry != nullptr && entry->handler != nullptr) before_ = take();
}

TracedCommand::State TracedCommand::take() const {
    State s;
    const stavhry& stav = game_.stavhry;
    s.promenne.assign(std::begin(stav.promenne), std::end(stav.promenne));
    for (const auto& text : stav.retezce) s.retezce.emplace_back(text.view());
    ForEachStateValue(game_, [&](std::string_view name, const std::string& value) {
        s.hodnoty.emplace_back(name, value);
    });
    s.polozky = stav.pocetpolozek;
    return s;
}

std::string TracedCommand::changes() const {
    const State after = take();
    std::vector<std::string> changed;
    for (std::size_t i = 0; i < after.promenne.size(); ++i)
        if (after.promenne[i] != before_.promenne[i])
            changed.push_back("$" + toText(static_cast<std::int32_t>(i + 1)) + "=" +
                              toText(after.promenne[i]));
    for (std::size_t i = 0; i < after.retezce.size(); ++i)
        if (after.retezce[i] != before_.retezce[i])
            changed.push_back("$RETEZEC" + toText(static_cast<std::int32_t>(i + 1)) + "=" +
                              Shown(after.retezce[i]));
    for (std::size_t i = 0; i < after.hodnoty.size(); ++i) {
        const auto& [name, value] = after.hodnoty[i];
        if (value != before_.hodnoty[i].second)
            changed.push_back("$" + std::string(name) + "=" + value);
    }
    for (std::int32_t k = before_.polozky; k < after.polozky && k < kMenuItems; ++k)
        changed.push_back(cz("položka nabídky ") + toText(k + 1));
    if (changed.empty()) return cz("provedeno");
    std::string text;
    for (std::size_t c = 0; c < changed.size() && c < kShownChanges; ++c)
        text += (c == 0 ? "" : ", ") + changed[c];
    if (changed.size() > kShownChanges)
        text += cz(" a ") + toText(static_cast<std::int32_t>(changed.size() - kShownChanges)) +
                cz(" dalších");
    return text;
}

void TracedCommand::write(const std::string& result) {
    Line(game_, lokace_, Written(tag_) + " -> " + result);
}

void TracedCommand::finish() {
    if (!substituted_) return;
    if (entry_ == nullptr || entry_->handler == nullptr)
        return write(cz("neznámý příkaz, přeskočen"));
    if (!provest_) return write(cz("neprovedeno, podmínka neplatí"));
    write(changes());
}

void TracedCommand::failed(const std::string& error) { write(cz("chyba: ") + error); }

}  // namespace morvane
