#include "check/TagCheck.h"

#include <algorithm>
#include <filesystem>

#include "base/Numbers.h"
#include "base/ScriptError.h"
#include "base/Win1250.h"
#include "check/CommandRules.h"
#include "interpreter/CommandTable.h"
#include "interpreter/PageCommands.h"
#include "parser/Effect.h"
#include "parser/Expression.h"
#include "parser/LocationIndex.h"
#include "shell/GameFilePath.h"

namespace morvane::check {
namespace {

std::vector<std::string> commandNames() {
    std::vector<std::string> names;
    for (const CommandEntry& e : AllCommands()) names.emplace_back(e.name);
    return names;
}

std::string suggestion(const std::string& name, const std::vector<std::string>& known) {
    const auto nearest = NearestName(name, known);
    return nearest ? cz(" (myšleno ") + *nearest + "?)" : std::string();
}

// A value that is filled in only at play ($-references) can't be judged here.
bool atPlay(const std::string& value) { return value.find('$') != std::string::npos; }

struct TableOf {
    std::int32_t count;
    const char* what;
    const char* file;  // nullptr: a table the script itself fills
};

TableOf tableOf(Refers kind, const GameFacts& f) {
    switch (kind) {
        case Refers::Weapon: return {f.zbrane, "zbraň", "zbrane.vrn"};
        case Refers::Armour: return {f.zbroje, "zbroj", "zbroje.vrn"};
        case Refers::Item: return {f.predmety, "předmět", "predmety.vrn"};
        case Refers::Spell: return {f.kouzla, "kouzlo", "kouzla.vrn"};
        case Refers::Attack: return {f.utoky, "útok", "utoky.vrn"};
        case Refers::Object: return {100, "objekt", nullptr};
        case Refers::Variable: return {999, "proměnná", nullptr};
        default: return {10, "řetězcová proměnná", nullptr};
    }
}

class ValueCheck {
public:
    ValueCheck(const TagSite& site, const tagg& tag, TagEffects& effects)
        : site_(site), tag_(tag), effects_(effects) {}

    void check(const std::string& attribute, const std::string& value, Refers kind,
               std::size_t capacity) {
        if (capacity > 0 && value.size() > capacity)
            warn(cz("text atributu ") + attribute + cz(" je delší než ") + toText(capacity) +
                 cz(" znaků; zbytek se ztratí"));
        if (atPlay(value)) return;
        switch (kind) {
            case Refers::Text: return;
            case Refers::Dice: return parsed([&] { ParseDice(value); });
            case Refers::Formula: return parsed([&] { EvaluateExpression(value); });
            case Refers::Picture: return picture(value);
            case Refers::Sound: return sound(value);
            case Refers::Library: return library(attribute, value);
            case Refers::SellKinds:
                if (CategoryCode(value) == 0 && upperCase(value) != "VSE")
                    warn(cz("typ ") + value + cz(" neexistuje, vykoupí se všechno"));
                return;
            default: break;
        }
        const auto n = parseInteger(value);
        if (!n) return error("'" + value + "' is not a valid integer value");
        if (kind == Refers::Location) return location(*n);
        if (kind == Refers::Shop) return shop(*n);
        if (kind != Refers::Number) entry(kind, *n);
    }

    void entry(Refers kind, std::int32_t n) {
        const TableOf t = tableOf(kind, site_.facts);
        if (n >= 1 && n <= t.count) return;
        std::string text = cz(t.what) + cz(" číslo ") + toText(n);
        if (t.file == nullptr)
            error(text + cz(" neexistuje (platí 1 až ") + toText(t.count) + ")");
        else if (t.count == 0)
            error(text + cz(": tabulka ") + t.file + cz(" je prázdná nebo chybí"));
        else
            error(text + cz(" není v tabulce ") + t.file + " (" + toText(t.count) + cz(" položek)"));
    }

    void error(const std::string& text) { site_.findings.error(site_.place, site_.kde + tag_.nazev + ": " + text); }
    void warn(const std::string& text) { site_.findings.warning(site_.place, site_.kde + tag_.nazev + ": " + text); }

private:
    template <class Parse>
    void parsed(Parse parse) {
        try {
            parse();
        } catch (const ScriptError& e) {
            error(e.what());
        }
    }

    void location(std::int32_t n) {
        if (n <= 0) return;
        LinkKind kind = LinkKind::Menu;
        if (tag_.nazev == "TEXT") kind = LinkKind::Text;
        if (tag_.nazev == "OBRAZEKVTEXTU") kind = LinkKind::Picture;
        if (tag_.nazev == "CASOVAC") kind = LinkKind::Countdown;
        if (tag_.nazev == "SAVE") kind = LinkKind::Save;
        effects_.links.push_back({n, site_.place, kind, false});
    }

    void shop(std::int32_t n) {
        if (!site_.facts.shopFile) return error(cz("soubor data/obchod.vrn chybí"));
        if (!site_.facts.shops.count(n))
            error(cz("obchod číslo ") + toText(n) + cz(" není v souboru data/obchod.vrn"));
    }

    // Pictures are looked up as play looks them up: letter case aside, and
    // never outside the game's folder.
    void picture(const std::string& name) {
        const std::string path = "./obrazky/" + name;
        switch (FindStoryPicture(site_.facts.folder, name)) {
            case StoryPicture::Found: return;
            case StoryPicture::Missing: return error(cz("obrázek ") + path + cz(" neexistuje"));
            case StoryPicture::Outside: return error(outsideFolderMessage(path));
        }
    }

    void sound(const std::string& name) {
        std::error_code ec;
        const auto path = gameFilePath(site_.facts.folder / "audio", name);
        if (!std::filesystem::is_regular_file(path, ec))
            error(cz("zvukový soubor audio/") + name + cz(" neexistuje"));
    }

    void library(const std::string& attribute, const std::string& name) {
        const std::string& command = tag_.nazev;
        if (command == "PREFIX") effects_.prefixes.push_back(name);
        if (command == "SUFFIX") effects_.suffixes.push_back(name);
        if (command == "PRESMERUJ" && attribute == "JMENO") effects_.redirect = name;
    }

    const TagSite& site_;
    const tagg& tag_;
    TagEffects& effects_;
};

std::vector<std::string> attributeNames(const CommandRule& rule) {
    std::vector<std::string> names;
    for (const AttributeRule& a : rule.named) names.push_back(a.name);
    return names;
}

void checkAttribute(const CommandRule& rule, const param& p, ValueCheck& values) {
    for (const AttributeRule& a : rule.named) {
        if (a.name == p.nazev) return values.check(p.nazev, p.hodnota, a.value, a.capacity);
    }
    if (rule.anyName) return values.check(p.nazev, p.hodnota, rule.numberedValue, 0);
    if (rule.numberedName && !atPlay(p.nazev)) {
        if (const auto n = parseInteger(p.nazev)) {
            if (*rule.numberedName != Refers::Object || *n > 0) values.entry(*rule.numberedName, *n);
            return values.check(p.nazev, p.hodnota, rule.numberedValue, 0);
        }
        if (*rule.numberedName != Refers::Object)
            return values.error(cz("atribut ") + p.nazev + cz(" má být číslo: '") + p.nazev +
                                "' is not a valid integer value");
    }
    if (rule.numberedName && atPlay(p.nazev)) return values.check(p.nazev, p.hodnota, rule.numberedValue, 0);
    values.error(cz("příkaz nečte atribut ") + p.nazev + suggestion(p.nazev, attributeNames(rule)));
}

// A command's own meaning for the graph: the end of the game, a way back, and
// hit points taken, which end a location with no way on in a death.
void effectsOf(const tagg& tag, TagEffects& effects) {
    if (tag.nazev == "KONEC") effects.konec = true;
    if (tag.nazev == "ZPET") effects.zpet = true;
    if (tag.nazev == "ZPET" || tag.nazev == "MENU" || tag.nazev == "M") ++effects.menuItems;
    if (tag.nazev == "PRESMERUJ") {
        // Without a library name the game's own story comes back.
        const auto named = [](const param& p) { return p.nazev == "JMENO"; };
        if (std::none_of(tag.parametry.begin(), tag.parametry.end(), named)) effects.redirect = "";
    }
    if (tag.nazev != "ZIVOTY") return;
    for (const param& p : tag.parametry) {
        const auto n = parseInteger(p.hodnota);
        if ((p.nazev == "JE" && n && *n <= 0) || (p.nazev == "MINUS" && n && *n > 0))
            effects.smrt = true;
    }
}

}  // namespace

void CheckTag(const tagg& tag, const TagSite& site, TagEffects& effects) {
    const CommandRule* rule = RuleOf(tag.nazev);
    if (tag.nazev.empty()) {
        site.findings.warning(site.place, site.kde + cz("značka bez jména příkazu se přeskočí "
                                                         "(nestojí v textu znak < ?)"));
        return;
    }
    if (rule == nullptr) {
        static const std::vector<std::string> known = commandNames();
        site.findings.error(site.place, site.kde + cz("neznámý příkaz ") + tag.nazev +
                                            suggestion(tag.nazev, known));
        return;
    }
    ValueCheck values(site, tag, effects);
    for (const param& p : tag.parametry) checkAttribute(*rule, p, values);
    effectsOf(tag, effects);
}

}  // namespace morvane::check
