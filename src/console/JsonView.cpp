#include "console/JsonView.h"

#include "console/JsonWriter.h"

#include "base/Win1250.h"
#include "character/CharacterSheet.h"
#include "combat/FightView.h"
#include "game/Game.h"
#include "interpreter/ChangeLoc.h"

namespace morvane {
namespace {

using json = nlohmann::ordered_json;

std::string u(std::string_view win1250) { return toUtf8(win1250); }

void WritePage(JsonWriter& w, const Game& game) {
    w.beginArray();
    for (const PageElement& e : game.hlavni.prvky) {
        w.beginObject();
        if (e.jeText) {
            const PageText& t = e.text;
            w.field("text", u(t.text));
            w.field("colour", t.barva);
            w.field("bold", t.tucne);
            w.field("italic", t.kurziva);
            w.field("underline", t.podtrzene);
            w.field("strikeout", t.preskrtnute);
            w.field("link", t.odkaz);
            w.field("weblink", u(t.weblink));
        } else {
            const PagePicture& p = e.obrazek;
            w.field("picture", u(p.soubor));
            w.field("width", p.sirka);
            w.field("height", p.vyska);
            w.field("link", p.odkaz);
        }
        w.endObject();
    }
    w.endArray();
}

void WriteMenu(JsonWriter& w, const Game& game) {
    const stavhry& s = game.stavhry;
    w.beginObject();
    w.field("heading", u(s.otazka.view()));
    w.field("heading_colour", s.barvaotazky);
    w.key("items");
    w.beginArray();
    if (game.okno.menuVisible) {
        for (std::int32_t j = 1; j <= s.pocetpolozek && j <= kMenuItems; ++j) {
            const polozkamenu& item = s.menu[j - 1];
            w.beginObject();
            w.field("text", u(MenuCaption(game, j)));
            w.field("target", item.cil);
            w.field("colour", item.barva);
            w.endObject();
        }
    }
    w.endArray();
    w.endObject();
}

void WriteHero(JsonWriter& w, const postava& h) {
    w.beginObject();
    w.field("jmeno", u(h.jmeno.view()));
    w.field("startjmeno", u(h.startjmeno.view()));
    w.field("penize", h.penize);
    w.field("zkusenosti", h.zkusenosti);
    w.field("zasazenvsouboji", h.zasazenvsouboji != 0);
    w.field("kouzlavsouboji", h.kouzlavsouboji);
    w.field("predmetyvsouboji", h.predmetyvsouboji);
    w.field("sila", h.sila);
    w.field("obratnost", h.obratnost);
    w.field("zivoty", h.zivoty);
    w.field("maxzivoty", h.maxzivoty);
    w.field("mana", h.mana);
    w.field("maxmana", h.maxmana);
    w.field("rychlost", h.rychlost);
    w.field("energie", h.energie);
    w.field("startsila", h.startsila);
    w.field("startobratnost", h.startobratnost);
    w.field("startmaxzivoty", h.startmaxzivoty);
    w.field("startmaxmana", h.startmaxmana);
    w.field("startrychlost", h.startrychlost);
    w.field("startenergie", h.startenergie);
    w.field("energievsouboji", h.energievsouboji);
    w.field("zbran", h.zbran.cislo);
    w.field("zbroj", h.zbroj.cislo);
    w.field("cenaxp", h.cenaxp);
    w.field("prirustekceny", h.prirustekceny);
    w.endObject();
}

// The entries held, keyed by their numbers.
template <class TableT>
void WriteCounts(JsonWriter& w, const TableT& table) {
    w.beginObject();
    for (std::int32_t n = 1; n <= table.size(); ++n)
        if (table[n].mnozstvi != 0) w.field(std::to_string(n), table[n].mnozstvi);
    w.endObject();
}

template <class TableT>
void WriteKnown(JsonWriter& w, const TableT& table) {
    w.beginArray();
    for (std::int32_t n = 1; n <= table.size(); ++n)
        if (table[n].umime != 0) w.value(n);
    w.endArray();
}

void WriteSwitches(JsonWriter& w, const stavhry& s) {
    w.beginObject();
    w.field("barvamenu", s.barvamenu);
    w.field("barvatextu", s.barvatextu);
    w.field("barvaotazky", s.barvaotazky);
    w.field("otazka", u(s.otazka.view()));
    w.field("prefixzapnut", s.prefixzapnut != 0);
    w.field("suffixzapnut", s.suffixzapnut != 0);
    w.field("postavapovolena", s.postavapovolena != 0);
    w.field("vybavenipovoleno", s.vybavenipovoleno != 0);
    w.field("cislalokaci", s.cislalokaci);
    w.field("vypisujpromenne", s.vypisujpromenne);
    w.field("knihovna", u(s.knihovna.view()));
    w.endObject();
}

void WriteEnemy(JsonWriter& w, const enemy& e) {
    w.beginObject();
    w.field("jmeno", u(e.jmeno));
    w.key("utok");
    w.beginObject();
    w.field("strany", e.utok.strany);
    w.field("pocet", e.utok.pocet);
    w.field("bonus", e.utok.bonus);
    w.endObject();
    w.field("poskozeni", e.poskozeni);
    w.field("obrana", e.obrana);
    w.field("tvrdost", e.tvrdost);
    w.field("zivoty", e.zivoty);
    w.field("maxzivoty", e.maxzivoty);
    w.field("xp", e.xp);
    w.endObject();
}

void WriteAudio(JsonWriter& w, const Game& game) {
    const TAudio* a = game.audio.get();
    w.beginObject();
    w.field("available", a ? game.audiodostupne : false);
    w.field("druh", a ? a->druh : 0);
    w.field("jmenohudby", a ? u(a->jmenohudby.view()) : std::string());
    w.field("zvukyzapnuty", a ? a->zvukyzapnuty : false);
    w.field("hudbazapnuta", a ? a->hudbazapnuta : false);
    w.field("hlasitostzvuku", a ? a->hlasitostzvuku : 0);
    w.field("hlasitosthudby", a ? a->hlasitosthudby : 0);
    w.endObject();
}

void WriteGame(JsonWriter& w, const Game& game) {
    const stavhry& s = game.stavhry;
    w.beginObject();
    w.field("lokace", s.lokace);
    w.field("predchozilokace", s.predchozilokace);
    w.key("page");
    WritePage(w, game);
    w.key("menu");
    WriteMenu(w, game);
    w.key("info");
    w.beginArray();
    for (const InfoLine& line : game.historie) {
        w.beginObject();
        w.field("text", u(line.text));
        w.field("colour", line.barva);
        w.endObject();
    }
    w.endArray();
    w.field("location_label", u(game.okno.locationLabel));
    w.key("buttons");
    w.beginObject();
    w.field("postava", game.okno.postavaVisible);
    w.field("vybaveni", game.okno.vybaveniVisible);
    w.field("continue", game.okno.pokracovatVisible);
    w.endObject();
    w.key("countdown");
    w.beginObject();
    w.field("running", game.casovac.casovacbezi);
    w.field("seconds", game.casovac.zbyvacas);
    w.field("label", u(game.casovac.label));
    w.endObject();
    w.key("hrac");
    WriteHero(w, game.hrac);
    w.key("promenne");
    w.beginObject();
    for (int n = 1; n <= kIntegerVariables; ++n)
        if (s.promenne[n - 1] != 0) w.field(std::to_string(n), s.promenne[n - 1]);
    w.endObject();
    w.key("retezce");
    w.beginArray();
    for (const auto& text : s.retezce) w.value(u(text.view()));
    w.endArray();
    w.key("mnozstvi");
    w.beginObject();
    w.key("zbrane");
    WriteCounts(w, game.zbrane);
    w.key("zbroje");
    WriteCounts(w, game.zbroje);
    w.key("predmety");
    WriteCounts(w, game.predmety);
    w.key("objekty");
    WriteCounts(w, game.objekty);
    w.endObject();
    w.key("umime");
    w.beginObject();
    w.key("kouzla");
    WriteKnown(w, game.kouzla);
    w.key("utoky");
    WriteKnown(w, game.utoky);
    w.endObject();
    w.key("stavhry");
    WriteSwitches(w, s);
    const bonusy& b = game.bonusy;
    w.key("bonusy");
    w.beginObject();
    w.field("utok", b.utok);
    w.field("obrana", b.obrana);
    w.field("tvrdost", b.tvrdost);
    w.field("poskozeni", b.poskozeni);
    w.field("maxmana", b.maxmana);
    w.field("maxzivoty", b.maxzivoty);
    w.field("rychlost", b.rychlost);
    w.endObject();
    w.field("vysledeksouboje", game.vysledeksouboje);
    w.key("nepritel");
    WriteEnemy(w, game.nepritel);
    w.key("audio");
    WriteAudio(w, game);
    w.endObject();
}

}  // namespace

std::string StateLine(std::string_view screen, const std::vector<std::string>& messages,
                      const std::vector<std::string>& sounds, const Game* game,
                      const json& screenTexts) {
    std::string line;
    line.reserve(4096);
    JsonWriter w(line);
    w.beginObject();
    w.field("screen", screen);
    w.key("messages");
    w.beginArray();
    for (const std::string& m : messages) w.value(m);
    w.endArray();
    w.key("sounds");
    w.beginArray();
    for (const std::string& sound : sounds) w.value(sound);
    w.endArray();
    if (game) {
        w.key("game");
        WriteGame(w, *game);
    }
    if (!screenTexts.is_null()) {
        w.key(screen);
        w.raw(screenTexts.dump(-1, ' ', false, json::error_handler_t::replace));
    }
    w.endObject();
    return line;
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
