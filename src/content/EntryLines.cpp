#include "content/EntryLines.h"

#include <cstring>

#include "base/Numbers.h"
#include "content/EntryTail.h"
#include "content/LineScanner.h"
#include "parser/Expression.h"

namespace morvane {

namespace {

// A record with every byte 0, padding included, as the tables store them.
template <class Record>
Record freshRecord() {
    Record record;
    std::memset(&record, 0, sizeof record);
    return record;
}

// Reads the effect and condition tokens of a weapon, armour, item or spell.
void readTail(const LineScanner& scan, efekt (&effects)[kEffectsPerEntry], std::int8_t& effectCount,
              podminka (&conditions)[kConditionsPerEntry], std::int32_t& conditionCount,
              std::int32_t& counter) {
    for (std::string_view token : scan.tail()) {
        if (IsConditionToken(token)) {
            AddCondition(conditions, conditionCount, token, counter);
        } else {
            AddEffect(effects, effectCount, token);
        }
    }
}

// Reads an attack's tokens, each sorted by its marks: "!" miss, ":" hit,
// "[" condition, none: always. All marks go; the last of that order decides.
void readAttackTail(const LineScanner& scan, TUtok& attack, std::int32_t& counter) {
    for (std::string_view token : scan.tail()) {
        const bool miss = token.find('!') != std::string_view::npos;
        const bool hit = token.find(':') != std::string_view::npos;
        const std::string text = withoutChar(withoutChar(token, '!'), ':');
        if (IsConditionToken(text)) {
            AddCondition(attack.podminky, attack.pocetpodminek, text, counter);
        } else if (hit) {
            AddEffect(attack.efektyzasah, attack.pocetzasah, text);
        } else if (miss) {
            AddEffect(attack.efektyminuti, attack.pocetminuti, text);
        } else {
            AddEffect(attack.efektyvzdy, attack.pocetvzdy, text);
        }
    }
}

}  // namespace

// Reads «cislo,"nazev","popis",dice,poskozeni,cena[,effect or [condition]...]».
TZbran ParseWeaponLine(std::string_view line, std::int32_t& counter) {
    TZbran weapon = freshRecord<TZbran>();
    LineScanner scan(line);
    weapon.cislo = scan.numberAtStart();
    weapon.nazev.assign(scan.quoted());
    weapon.popis.assign(scan.quoted());
    scan.skipToDigit();
    weapon.utok = ParseDice(scan.rawField());
    weapon.poskozeni = scan.numberAfterSkip();
    weapon.cena = scan.numberAfterSkip();
    scan.fieldToSeparator();
    readTail(scan, weapon.efekty, weapon.pocetefektu, weapon.podminky, weapon.pocetpodminek,
             counter);
    FillUnusedSlots(weapon.efekty, weapon.pocetefektu, weapon.podminky, weapon.pocetpodminek);
    return weapon;
}

// Reads «cislo,"nazev","popis",obrana,tvrdost,postih,cena[,tail]»; the
// defence must be a whole integer up to its ",".
TZbroj ParseArmourLine(std::string_view line, std::int32_t& counter) {
    TZbroj armour = freshRecord<TZbroj>();
    LineScanner scan(line);
    armour.cislo = scan.numberAtStart();
    armour.nazev.assign(scan.quoted());
    armour.popis.assign(scan.quoted());
    scan.skipToDigit();
    armour.obrana = toInteger(scan.rawField());
    armour.tvrdost = scan.numberAfterSkip();
    armour.postih = scan.numberAfterSkip();
    armour.cena = scan.numberAfterSkip();
    scan.fieldToSeparator();
    readTail(scan, armour.efekty, armour.pocetefektu, armour.podminky, armour.pocetpodminek,
             counter);
    FillUnusedSlots(armour.efekty, armour.pocetefektu, armour.podminky, armour.pocetpodminek);
    return armour;
}

// Reads «cislo,"nazev","popis",cena,druh,[tail]»; druh needs its ",".
TPredmet ParseItemLine(std::string_view line, std::int32_t& counter) {
    TPredmet item = freshRecord<TPredmet>();
    LineScanner scan(line);
    item.cislo = scan.numberAtStart();
    item.nazev.assign(scan.quoted());
    item.popis.assign(scan.quoted());
    item.cena = scan.numberAfterSkip();
    scan.rawField();
    item.druh.assign(trimBlanks(scan.rawField()));
    readTail(scan, item.efekty, item.pocetefektu, item.podminky, item.pocetpodminek, counter);
    FillUnusedSlots(item.efekty, item.pocetefektu, item.podminky, item.pocetpodminek);
    return item;
}

// Reads «cislo,"nazev","popis",cena[,tail]»; text before the first digit is ignored.
TKouzlo ParseSpellLine(std::string_view line, std::int32_t& counter) {
    TKouzlo spell = freshRecord<TKouzlo>();
    LineScanner scan(line);
    spell.cislo = scan.numberAfterSkip();
    spell.nazev.assign(scan.quoted());
    spell.popis.assign(scan.quoted());
    spell.cena = scan.numberAfterSkip();
    scan.fieldToSeparator();
    readTail(scan, spell.efekty, spell.pocetefektu, spell.podminky, spell.pocetpodminek, counter);
    return spell;
}

// Reads «cislo,"nazev","popis","zasah","bezposkozeni","minuti",energie,mana,
// vzorecutoku,vzorecposkozeni[,tail]»: the line gives the no-damage text
// before the miss text.
TUtok ParseAttackLine(std::string_view line, std::int32_t& counter) {
    TUtok attack = freshRecord<TUtok>();
    LineScanner scan(line);
    attack.cislo = scan.numberAfterSkip();
    attack.nazev.assign(scan.quoted());
    attack.popis.assign(scan.quoted());
    attack.textzasahu.assign(scan.quoted());
    attack.textbezposkozeni.assign(scan.quoted());
    attack.textminuti.assign(scan.quoted());
    attack.energie = scan.numberAfterSkip();
    attack.mana = scan.numberAfterSkip();
    scan.rawField();
    attack.vzorecutoku.assign(scan.rawField());
    attack.vzorecposkozeni.assign(scan.fieldToSeparator());
    readAttackTail(scan, attack, counter);
    return attack;
}

}  // namespace morvane
