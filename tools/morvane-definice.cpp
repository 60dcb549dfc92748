// morvane-definice: writes a game's definition record data/inicializace.vrn
// from a readable text file of KEY=VALUE lines (UTF-8), so that an author
// never edits the 240 binary bytes by hand.
//
//   morvane-definice SOURCE.txt TARGET.vrn
//   morvane-definice --help | --version
//
// Keys: nazev (game name, the pass of scrambled files and saved positions),
// titul, autor, hrdina (default hero name), zadavanijmena (1: the player
// types the name), penize, zkusenosti, mena, and the six attributes zivoty,
// mana, sila, obratnost, rychlost, energie as "start,first price,price step".
// Empty lines and lines starting with # are notes.
#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "base/Files.h"
#include "base/TextFile.h"
#include "base/Numbers.h"
#include "base/Win1250.h"
#include "parser/GameDefinition.h"

namespace {

using namespace morvane;

struct TextField {
    const char* key;
    std::size_t capacity;  // characters the record keeps
    void (*store)(TGameInit&, const std::string&);
};

const TextField kTextFields[] = {
    {"nazev", 30, [](TGameInit& r, const std::string& v) { r.nazevhry.assign(v); }},
    {"titul", 30, [](TGameInit& r, const std::string& v) { r.titulhry.assign(v); }},
    {"autor", 32, [](TGameInit& r, const std::string& v) { r.autor.assign(v); }},
    {"hrdina", 30, [](TGameInit& r, const std::string& v) { r.jmenohrdiny.assign(v); }},
    {"mena", 31, [](TGameInit& r, const std::string& v) { r.mena.assign(v); }},
};

// The attributes in the order the record keeps their triples.
const char* const kAttributes[] = {"zivoty", "mana", "sila", "obratnost", "rychlost", "energie"};

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// Reads "KEY=VALUE" lines; a malformed or repeated key is an error, so a typo
// never silently leaves a field at zero.
bool readPairs(std::istream& in, std::map<std::string, std::string>& pairs) {
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = trim(line);
        if (line.empty() || line[0] == '#') continue;
        const auto eq = line.find('=');
        const std::string key = eq == std::string::npos ? "" : trim(line.substr(0, eq));
        if (key.empty() || !pairs.emplace(key, trim(line.substr(eq + 1))).second) {
            std::cerr << "line " << number << ": expected a new KEY=VALUE\n";
            return false;
        }
    }
    return true;
}

bool number(const std::string& text, std::int32_t& out) {
    const auto value = parseInteger(text);
    if (value) out = *value;
    return value.has_value();
}

// Reads "start,price,step" of one attribute into its triple.
bool triple(const std::string& text, std::int32_t* out) {
    std::istringstream parts(text);
    std::string part;
    int count = 0;
    while (std::getline(parts, part, ',')) {
        if (count == 3 || !number(trim(part), out[count])) return false;
        ++count;
    }
    return count == 3;
}

bool build(std::map<std::string, std::string> pairs, TGameInit& record) {
    bool ok = true;
    auto fail = [&](const std::string& key, const char* why) {
        std::cerr << key << ": " << why << "\n";
        ok = false;
    };
    for (const auto& f : kTextFields) {
        const std::string value = fromUtf8(pairs[f.key]);
        if (value.size() > f.capacity) fail(f.key, "too long for the record");
        f.store(record, value);
        pairs.erase(f.key);
    }
    std::int32_t flag = 0;
    if (!number(pairs["zadavanijmena"], flag) || (flag != 0 && flag != 1))
        fail("zadavanijmena", "must be 0 or 1");
    record.zadavanijmena = static_cast<std::uint8_t>(flag);
    if (!number(pairs["penize"], record.penize)) fail("penize", "must be a whole number");
    if (!number(pairs["zkusenosti"], record.zkusenosti))
        fail("zkusenosti", "must be a whole number");
    for (const char* key : {"zadavanijmena", "penize", "zkusenosti"}) pairs.erase(key);
    for (int a = 0; a < 6; ++a) {
        if (!triple(pairs[kAttributes[a]], record.vlastnosti + 3 * a))
            fail(kAttributes[a], "must be start,price,step");
        pairs.erase(kAttributes[a]);
    }
    for (const auto& [key, value] : pairs) fail(key, "unknown key");
    return ok;
}

const char* const kUsage =
    "Usage: morvane-definice SOURCE.txt TARGET.vrn\n"
    "Writes a game's definition record (data/inicializace.vrn) from a UTF-8 text file of\n"
    "KEY=VALUE lines. Keys: nazev (the game name: the pass of scrambled files and saved\n"
    "positions), titul, autor, hrdina, zadavanijmena (0 or 1), penize, zkusenosti, mena,\n"
    "and zivoty, mana, sila, obratnost, rychlost, energie as start,first price,price step.\n"
    "Lines starting with # are notes. Exit status: 0 written, 1 bad source, 2 bad usage.\n";

// The source is written in an ordinary editor: a file saved in the game's
// own Windows-1250 would turn every Czech letter into "?" in the record.
bool readUtf8(const char* file, std::string& text) {
    const auto bytes = morvane::readBinaryFile(file);
    if (!bytes) {
        std::cerr << "cannot read " << file << "\n";
        return false;
    }
    const std::size_t bad = morvane::FirstNonUtf8(*bytes);
    if (bad != std::string::npos) {
        const auto line = 1 + std::count(bytes->begin(), bytes->begin() + static_cast<std::ptrdiff_t>(bad), '\n');
        std::cerr << file << ":" << line << ": not UTF-8 text (perhaps Windows-1250); "
                  << "save the file as UTF-8 and run again\n";
        return false;
    }
    text = *bytes;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (argc == 2 && (first == "--help" || first == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    if (argc == 2 && first == "--version") {
        std::cout << "morvane-definice " << MORVANE_VERSION << "\n";
        return 0;
    }
    if (argc != 3 || first.starts_with("-")) {
        std::cerr << kUsage;
        return 2;
    }
    std::string text;
    std::map<std::string, std::string> pairs;
    if (!readUtf8(argv[1], text)) return 1;
    std::istringstream in(text);
    if (!readPairs(in, pairs)) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 1;
    }
    morvane::TGameInit record{};
    if (!build(pairs, record)) return 1;
    if (!morvane::writeFileAtomically(argv[2], morvane::GameDefinitionBytes(record))) {
        std::cerr << "cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
