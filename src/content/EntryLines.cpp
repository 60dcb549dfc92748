#include "content/EntryLines.h"

#include <algorithm>
#include <cstring>

#include "base/Numbers.h"
#include "content/EntryTail.h"
#include "content/LineScanner.h"
#include "parser/Expression.h"

namespace morvane {

namespace {

// Starts a record, every byte 0 (padding included, as the tables store them),
// with its number and the «"nazev","popis"» after it. The caller reads the
// number: weapon, armour and item lines begin with it, spell and attack lines
// may have text before it.
template <class Record>
Record readHead(LineScanner& scan, std::int32_t cislo) {
    Record record;
    std::memset(&record, 0, sizeof record);
    record.cislo = cislo;
    record.nazev.assign(scan.quoted());
    record.popis.assign(scan.quoted());
    return record;
}

// Reads the effect and condition tokens of a weapon, armour, item or spell.
template <class Record>
void readTail(const LineScanner& scan, Record& record, std::int32_t& counter, TailCounts* out) {
    TailCounts counts;
    for (std::string_view token : scan.tail()) {
        if (IsConditionToken(token)) {
            AddCondition(record.podminky, record.pocetpodminek, token, counter);
            ++counts.podminky;
        } else {
            AddEffect(record.efekty, record.pocetefektu, token);
            ++counts.efekty;
        }
    }
    if (out) *out = counts;
}

// As readTail, then fills the unused slots as weapon, armour and item records
// store them; a spell keeps its unused slots 0.
template <class Record>
void readFilledTail(const LineScanner& scan, Record& record, std::int32_t& counter,
                    TailCounts* counts) {
    readTail(scan, record, counter, counts);
    FillUnusedSlots(record.efekty, record.pocetefektu, record.podminky, record.pocetpodminek);
}

// Reads an attack's tokens, each sorted by its marks: "!" miss, ":" hit,
// "[" condition, none: always. All marks go; the last of that order decides.
void readAttackTail(const LineScanner& scan, TUtok& attack, std::int32_t& counter,
                    TailCounts* out) {
    TailCounts counts;
    std::int32_t hits = 0, misses = 0, always = 0;
    for (std::string_view token : scan.tail()) {
        const bool miss = token.find('!') != std::string_view::npos;
        const bool hit = token.find(':') != std::string_view::npos;
        const std::string text = withoutChar(withoutChar(token, '!'), ':');
        if (IsConditionToken(text)) {
            AddCondition(attack.podminky, attack.pocetpodminek, text, counter);
            ++counts.podminky;
        } else if (hit) {
            AddEffect(attack.efektyzasah, attack.pocetzasah, text);
            ++hits;
        } else if (miss) {
            AddEffect(attack.efektyminuti, attack.pocetminuti, text);
            ++misses;
        } else {
            AddEffect(attack.efektyvzdy, attack.pocetvzdy, text);
            ++always;
        }
    }
    counts.efekty = std::max({hits, misses, always});
    if (out) *out = counts;
}

}  // namespace

// Reads «cislo,"nazev","popis",dice,poskozeni,cena[,effect or [condition]...]».
TZbran ParseWeaponLine(std::string_view line, std::int32_t& counter, TailCounts* counts) {
    LineScanner scan(line);
    TZbran weapon = readHead<TZbran>(scan, scan.numberAtStart());
    scan.skipToDigit();
    weapon.utok = ParseDice(scan.rawField());
    weapon.poskozeni = scan.numberAfterSkip();
    weapon.cena = scan.numberAfterSkip();
    scan.fieldToSeparator();
    readFilledTail(scan, weapon, counter, counts);
    return weapon;
}

// Reads «cislo,"nazev","popis",obrana,tvrdost,postih,cena[,tail]»; the
// defence must be a whole integer up to its ",".
TZbroj ParseArmourLine(std::string_view line, std::int32_t& counter, TailCounts* counts) {
    LineScanner scan(line);
    TZbroj armour = readHead<TZbroj>(scan, scan.numberAtStart());
    scan.skipToDigit();
    armour.obrana = toInteger(scan.rawField());
    armour.tvrdost = scan.numberAfterSkip();
    armour.postih = scan.numberAfterSkip();
    armour.cena = scan.numberAfterSkip();
    scan.fieldToSeparator();
    readFilledTail(scan, armour, counter, counts);
    return armour;
}

// Reads «cislo,"nazev","popis",cena,druh,[tail]»; druh needs its ",".
TPredmet ParseItemLine(std::string_view line, std::int32_t& counter, TailCounts* counts) {
    LineScanner scan(line);
    TPredmet item = readHead<TPredmet>(scan, scan.numberAtStart());
    item.cena = scan.numberAfterSkip();
    scan.rawField();
    item.druh.assign(trimBlanks(scan.rawField()));
    readFilledTail(scan, item, counter, counts);
    return item;
}

// Reads «cislo,"nazev","popis",cena[,tail]»; text before the first digit is ignored.
TKouzlo ParseSpellLine(std::string_view line, std::int32_t& counter, TailCounts* counts) {
    LineScanner scan(line);
    TKouzlo spell = readHead<TKouzlo>(scan, scan.numberAfterSkip());
    spell.cena = scan.numberAfterSkip();
    scan.fieldToSeparator();
    readTail(scan, spell, counter, counts);
    return spell;
}

// Reads «cislo,"nazev","popis","zasah","bezposkozeni","minuti",energie,mana,
// vzorecutoku,vzorecposkozeni[,tail]»: the line gives the no-damage text
// before the miss text.
TUtok ParseAttackLine(std::string_view line, std::int32_t& counter, TailCounts* counts) {
    LineScanner scan(line);
    TUtok attack = readHead<TUtok>(scan, scan.numberAfterSkip());
    attack.textzasahu.assign(scan.quoted());
    attack.textbezposkozeni.assign(scan.quoted());
    attack.textminuti.assign(scan.quoted());
    attack.energie = scan.numberAfterSkip();
    attack.mana = scan.numberAfterSkip();
    scan.rawField();
    attack.vzorecutoku.assign(scan.rawField());
    attack.vzorecposkozeni.assign(scan.fieldToSeparator());
    readAttackTail(scan, attack, counter, counts);
    return attack;
}

}  // namespace morvane
