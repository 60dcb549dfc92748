#include "console/JsonView.h"

#include "base/Win1250.h"
#include "character/CharacterSheet.h"
#include "combat/FightView.h"
#include "game/Game.h"
#include "interpreter/ChangeLoc.h"

namespace morvane {
namespace {

using json = nlohmann::ordered_json;

std::string u(std::string_view win1250) { return toUtf8(win1250); }

json PageJson(const Game& game) {
    json page = json::array();
    for (const PageElement& e : game.hlavni.prvky) {
        if (e.jeText) {
            const PageText& t = e.text;
            page.push_back({{"text", u(t.text)},
                            {"colour", t.barva},
                            {"bold", t.tucne},
                            {"italic", t.kurziva},
                            {"underline", t.podtrzene},
                            {"strikeout", t.preskrtnute},
                            {"link", t.odkaz},
                            {"weblink", u(t.weblink)}});
        } else {
            const PagePicture& p = e.obrazek;
            page.push_back({{"picture", u(p.soubor)},
                            {"width", p.sirka},
                            {"height", p.vyska},
                            {"link", p.odkaz}});
        }
    }
    return page;
}

json MenuJson(const Game& game) {
    const stavhry& s = game.stavhry;
    json items = json::array();
    if (game.okno.menuVisible) {
        for (std::int32_t j = 1; j <= s.pocetpolozek && j <= kMenuItems; ++j) {
            const polozkamenu& item = s.menu[j - 1];
            items.push_back({{"text", u(MenuCaption(game, j))},
                             {"target", item.cil},
                             {"colour", item.barva}});
        }
    }
    return {{"heading", u(s.otazka.view())}, {"heading_colour", s.barvaotazky}, {"items", items}};
}

json HeroJson(const postava& h) {
    return {{"jmeno", u(h.jmeno.view())},
            {"startjmeno", u(h.startjmeno.view())},
            {"penize", h.penize},
            {"zkusenosti", h.zkusenosti},
            {"zasazenvsouboji", h.zasazenvsouboji != 0},
            {"kouzlavsouboji", h.kouzlavsouboji},
            {"predmetyvsouboji", h.predmetyvsouboji},
            {"sila", h.sila},
            {"obratnost", h.obratnost},
            {"zivoty", h.zivoty},
            {"maxzivoty", h.maxzivoty},
            {"mana", h.mana},
            {"maxmana", h.maxmana},
            {"rychlost", h.rychlost},
            {"energie", h.energie},
            {"startsila", h.startsila},
            {"startobratnost", h.startobratnost},
            {"startmaxzivoty", h.startmaxzivoty},
            {"startmaxmana", h.startmaxmana},
            {"startrychlost", h.startrychlost},
            {"startenergie", h.startenergie},
            {"energievsouboji", h.energievsouboji},
            {"zbran", h.zbran.cislo},
            {"zbroj", h.zbroj.cislo},
            {"cenaxp", h.cenaxp},
            {"prirustekceny", h.prirustekceny}};
}

template <class TableT>
json Counts(const TableT& table) {
    json counts = json::object();
    for (std::int32_t n = 1; n <= table.size(); ++n)
        if (table[n].mnozstvi != 0) counts[std::to_string(n)] = table[n].mnozstvi;
    return counts;
}

template <class TableT>
json Known(const TableT& table) {
    json known = json::array();
    for (std::int32_t n = 1; n <= table.size(); ++n)
        if (table[n].umime != 0) known.push_back(n);
    return known;
}

json StateJson(const stavhry& s) {
    return {{"barvamenu", s.barvamenu},
            {"barvatextu", s.barvatextu},
            {"barvaotazky", s.barvaotazky},
            {"otazka", u(s.otazka.view())},
            {"prefixzapnut", s.prefixzapnut != 0},
            {"suffixzapnut", s.suffixzapnut != 0},
            {"postavapovolena", s.postavapovolena != 0},
            {"vybavenipovoleno", s.vybavenipovoleno != 0},
            {"cislalokaci", s.cislalokaci},
            {"vypisujpromenne", s.vypisujpromenne},
            {"knihovna", u(s.knihovna.view())}};
}

json EnemyJson(const enemy& e) {
    return {{"jmeno", u(e.jmeno)},
            {"utok", {{"strany", e.utok.strany}, {"pocet", e.utok.pocet}, {"bonus", e.utok.bonus}}},
            {"poskozeni", e.poskozeni},
            {"obrana", e.obrana},
            {"tvrdost", e.tvrdost},
            {"zivoty", e.zivoty},
            {"maxzivoty", e.maxzivoty},
            {"xp", e.xp}};
}

json AudioJson(const Game& game) {
    const TAudio* a = game.audio.get();
    if (!a) {
        return {{"available", false}, {"druh", 0}, {"jmenohudby", ""}, {"zvukyzapnuty", false},
                {"hudbazapnuta", false}, {"hlasitostzvuku", 0}, {"hlasitosthudby", 0}};
    }
    return {{"available", game.audiodostupne},
            {"druh", a->druh},
            {"jmenohudby", u(a->jmenohudby.view())},
            {"zvukyzapnuty", a->zvukyzapnuty},
            {"hudbazapnuta", a->hudbazapnuta},
            {"hlasitostzvuku", a->hlasitostzvuku},
            {"hlasitosthudby", a->hlasitosthudby}};
}

}  // namespace

json GameJson(const Game& game) {
    const stavhry& s = game.stavhry;
    json info = json::array();
    for (const InfoLine& line : game.historie) info.push_back({{"text", u(line.text)}, {"colour", line.barva}});
    json promenne = json::object();
    for (int n = 1; n <= kIntegerVariables; ++n)
        if (s.promenne[n - 1] != 0) promenne[std::to_string(n)] = s.promenne[n - 1];
    json retezce = json::array();
    for (const auto& text : s.retezce) retezce.push_back(u(text.view()));
    const bonusy& b = game.bonusy;
    return {
        {"lokace", s.lokace},
        {"predchozilokace", s.predchozilokace},
        {"page", PageJson(game)},
        {"menu", MenuJson(game)},
        {"info", info},
        {"location_label", u(game.okno.locationLabel)},
        {"buttons",
         {{"postava", game.okno.postavaVisible},
          {"vybaveni", game.okno.vybaveniVisible},
          {"continue", game.okno.pokracovatVisible}}},
        {"countdown",
         {{"running", game.casovac.casovacbezi},
          {"seconds", game.casovac.zbyvacas},
          {"label", u(game.casovac.label)}}},
        {"hrac", HeroJson(game.hrac)},
        {"promenne", promenne},
        {"retezce", retezce},
        {"mnozstvi",
         {{"zbrane", Counts(game.zbrane)},
          {"zbroje", Counts(game.zbroje)},
          {"predmety", Counts(game.predmety)},
          {"objekty", Counts(game.objekty)}}},
        {"umime", {{"kouzla", Known(game.kouzla)}, {"utoky", Known(game.utoky)}}},
        {"stavhry", StateJson(s)},
        {"bonusy",
         {{"utok", b.utok}, {"obrana", b.obrana}, {"tvrdost", b.tvrdost},
          {"poskozeni", b.poskozeni}, {"maxmana", b.maxmana}, {"maxzivoty", b.maxzivoty},
          {"rychlost", b.rychlost}}},
        {"vysledeksouboje", game.vysledeksouboje},
        {"nepritel", EnemyJson(game.nepritel)},
        {"audio", AudioJson(game)},
    };
}

json FightJson(const Game& game) {
    const FightView v = DescribeFight(game);
    json actions = json::array();
    for (const FightAction& a : v.actions)
        actions.push_back({{"entry", a.entry}, {"text", u(a.text)}, {"enabled", a.enabled}});
    json list = nullptr;
    if (v.list.kind != FightListKind::None) {
        json entries = json::array();
        for (const FightListEntry& e : v.list.entries)
            entries.push_back({{"entry", e.entry}, {"text", u(e.text)}, {"usable", e.usable}});
        list = {{"kind", v.list.kind == FightListKind::Items ? "items" : "spells"},
                {"entries", entries}};
    }
    const auto hidden = [&](const std::string& text) { return v.cost_captions_shown ? u(text) : ""; };
    return {{"Jmeno", u(v.Jmeno)},       {"Jmeno_hrac", u(v.Jmeno_hrac)},
            {"Label12", u(v.Label12)},   {"Label13", u(v.Label13)},
            {"Label14", u(v.Label14)},   {"Label15", u(v.Label15)},
            {"Label16", u(v.Label16)},   {"Label17", u(v.Label17)},
            {"Label18", u(v.Label18)},   {"Label19", u(v.Label19)},
            {"Label20", u(v.Label20)},   {"Label25", u(v.Label25)},
            {"Label26", u(v.Label26)},   {"Label27", u(v.Label27)},
            {"Label28", u(v.Label28)},   {"Summary1", u(v.Summary1)},
            {"Summary2", u(v.Summary2)}, {"Summary3", u(v.Summary3)},
            {"Popis_akce", u(v.Popis_akce)}, {"Popis_akce_cost", u(v.Popis_akce_cost)},
            {"Label31", hidden(v.Label31)},  {"Label32", hidden(v.Label32)},
            {"items_allowed", v.items_allowed}, {"spells_allowed", v.spells_allowed},
            {"ended", v.ended},           {"actions", actions},
            {"list", list}};
}

json SheetJson(const Game& game) {
    const CharacterSheet sheet = PrepareSheet(game);
    return {{"Jmeno", u(sheet.Jmeno)},
            {"Label1", u(sheet.Label1)},
            {"Label2", u(sheet.Label2)},
            {"Label3", u(sheet.Label3)},
            {"Label4", u(sheet.Label4)},
            {"Label5", u(sheet.Label5)},
            {"Label6", u(sheet.Label6)},
            {"Label7", u(sheet.Label7)},
            {"Label8", u(sheet.Label8)},
            {"Label9", u(sheet.Label9)},
            {"plus",
             {{"zivoty", sheet.plusVisible(PriceSlot::Zivoty)},
              {"mana", sheet.plusVisible(PriceSlot::Mana)},
              {"sila", sheet.plusVisible(PriceSlot::Sila)},
              {"obratnost", sheet.plusVisible(PriceSlot::Obratnost)},
              {"rychlost", sheet.plusVisible(PriceSlot::Rychlost)},
              {"energie", sheet.plusVisible(PriceSlot::Energie)}}}};
}

}  // namespace morvane
