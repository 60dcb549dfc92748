#include "check/LocationScan.h"

#include <algorithm>
#include <vector>

#include "base/Numbers.h"
#include "base/Win1250.h"
#include "check/CommandRules.h"
#include "parser/Condition.h"

namespace morvane::check {
namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '>'; }

bool knownComparison(std::string_view c) {
    for (std::string_view known : {"<", ">", "<>", "><", "=", ">=", "=>", "<=", "=<"})
        if (c == known) return true;
    return false;
}

class CheckEvents final : public ScanEvents {
public:
    CheckEvents(std::string_view source, const ScanSite& site, const PlaceOf& place, TagEffects& effects)
        : source_(source), site_(site), place_(place), effects_(effects) {}

    void tag(std::size_t at, const tagg& tag, const TagFlaws& flaws, bool stored) override {
        const Place here = place_(at);
        const std::string name = tag.nazev.empty() ? std::string("<") : tag.nazev;
        if (flaws.unclosed)
            error(here, cz("značka ") + name + cz(" není uzavřena znakem >"));
        if (flaws.cutAttribute)
            error(here, name + cz(": atribut bez = nebo bez uzavírací uvozovky před koncem značky "
                                  "(nestojí v hodnotě znak > ?)"));
        if (flaws.extraAttributes > 0)
            error(here, name + cz(": víc než 10 atributů, ") + toText(flaws.extraAttributes) +
                            cz(" dalších se nepřečte"));
        const std::size_t after = at + 1 + tag.nazev.size();
        if (!tag.nazev.empty() && after < source_.size() && !isSeparator(source_[after]))
            site_.findings.warning(here, site_.kde + name + cz(": za jménem příkazu stojí '") +
                                             std::string(source_.substr(after, 1)) +
                                             cz("' místo mezery; engine ten znak přeskočí"));
        if (!stored) {
            if (!overrun_) error(here, cz("víc než 400 příkazů nebo podmínky vnořené hlouběji než 15: "
                                          "tento a další příkazy se neprovedou"));
            overrun_ = true;
            return;
        }
        CheckTag(tag, {site_.facts, site_.findings, here, site_.kde}, effects_);
    }

    void blockOpened(std::size_t at, const podminka&, bool recorded) override {
        open_.push_back(at);
        const Place here = place_(at);
        if (!recorded) error(here, cz("podmínky vnořené hlouběji než 15"));
        if (source_.find(']', at) == std::string_view::npos)
            return error(here, cz("podmínka není uzavřena znakem ]"));
        condition(at, here);
    }

    void blockClosed(std::size_t at, bool matched) override {
        if (!matched) return error(place_(at), cz("[/] uzavírá blok podmínky, který není otevřen"));
        if (!open_.empty()) open_.pop_back();
    }

    void finish() {
        for (std::size_t at : open_) error(place_(at), cz("blok podmínky není uzavřen značkou [/]"));
    }

private:
    void error(const Place& place, const std::string& text) {
        site_.findings.error(place, site_.kde + text);
    }

    void condition(std::size_t at, const Place& here) {
        std::int32_t counter = 0;
        std::string word;
        const podminka c = ParseCondition(source_, at + 1, counter, word);
        const std::string text(source_.substr(at, source_.find(']', at) + 1 - at));
        const std::string what = cz("podmínka ") + text + ": ";
        if (!word.empty() && c.klic == 0 && !c.predmet && !c.objekt) {
            std::vector<std::string> keys;
            for (std::string_view k : ConditionKeyWords()) keys.emplace_back(k);
            const auto nearest = NearestName(word, keys);
            error(here, what + cz("neznámý klíč ") + word +
                            (nearest ? cz(" (myšleno ") + *nearest + "?)" : std::string()));
            return;
        }
        const std::string comparison(c.porovnani.view());
        if (comparison.empty()) error(here, what + cz("chybí porovnání (<, =, >)"));
        else if (!knownComparison(comparison))
            error(here, what + cz("porovnání ") + comparison + cz(" neexistuje (platí jako <>)"));
        if (c.pravy.view().empty()) error(here, what + cz("chybí pravá strana"));
        const bool needsLeft = c.klic == 0 || c.klic >= 13 || c.predmet || c.objekt;
        const std::string left(c.levy.view());
        if (needsLeft && left.empty()) return error(here, what + cz("chybí levá strana"));
        if (!needsLeft || left.find('$') != std::string::npos) return;
        const auto n = parseInteger(left);
        if (!n) return error(here, what + "'" + left + "' is not a valid integer value");
        const GameFacts& f = site_.facts;
        std::int32_t last = 999;
        const char* table = nullptr;
        if (c.klic == 13 || c.klic == 15) last = f.zbrane, table = "zbrane.vrn";
        if (c.klic == 14 || c.klic == 16) last = f.zbroje, table = "zbroje.vrn";
        if (c.predmet) last = f.predmety, table = "predmety.vrn";
        if (c.objekt) last = 100;
        if (*n >= 1 && *n <= last) return;
        if (table) error(here, what + cz("číslo ") + left + cz(" není v tabulce ") + table);
        else error(here, what + cz("číslo ") + left + cz(" je mimo 1 až ") + toText(last));
    }

    std::string_view source_;
    const ScanSite& site_;
    const PlaceOf& place_;
    TagEffects& effects_;
    std::vector<std::size_t> open_;
    bool overrun_ = false;
};

}  // namespace

void ScanForCheck(std::string_view source, const ScanSite& site, const PlaceOf& place,
                  TagEffects& effects) {
    LocationCommands commands;
    std::int32_t counter = 0;
    CheckEvents events(source, site, place, effects);
    ScanLocation(source, commands, counter, &events);
    events.finish();
}

}  // namespace morvane::check
