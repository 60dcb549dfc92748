#include "parser/GameDefinition.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include "base/Files.h"
#include "base/Win1250.h"

namespace morvane {

void decodeGameName(TGameInit& record) {
    // The stored length may exceed the field in a foreign file, but the name
    // is cut to 30 characters, which all lie inside the 31-byte field.
    const std::size_t stored = record.nazevhry.length;
    const std::size_t length = stored > 1 ? std::min<std::size_t>(stored - 1, 30) : 0;
    for (std::size_t i = 0; i < length; ++i)
        record.nazevhry.chars[i] = static_cast<char>(record.nazevhry.chars[i] - 10);
    record.nazevhry.length = static_cast<std::uint8_t>(length);
}

void encodeGameName(TGameInit& record, std::string_view name) {
    const std::size_t length = std::min<std::size_t>(name.size(), 30);
    for (std::size_t i = 0; i < length; ++i)
        record.nazevhry.chars[i] = static_cast<char>(name[i] + 10);
    // The character after the name is not part of it; a blank keeps files tidy.
    record.nazevhry.chars[length] = ' ';
    record.nazevhry.length = static_cast<std::uint8_t>(length + 1);
}

std::string GameDefinitionBytes(const TGameInit& plain) {
    TGameInit stored = plain;
    encodeGameName(stored, plain.nazevhry.view());
    return std::string(reinterpret_cast<const char*>(&stored), sizeof stored);
}

GameDefinition::GameDefinition(const TGameInit& stored) : zaznam_(stored) {
    decodeGameName(zaznam_);
}

// Reads the first record of data/inicializace.vrn, whole or not at all.
GameDefinition GameDefinition::load(const std::filesystem::path& gameFolder) {
    const std::filesystem::path file = gameFolder / "data" / "inicializace.vrn";
    const std::string name = fromUtf8(file.generic_string());
    // A pipe or a device in its place would keep the start waiting for ever.
    std::ifstream in;
    if (fileExists(file)) in.open(file, std::ios::binary);
    if (!in.is_open() || !in) throw GameFileError(cz("Nelze otevřít definici hry ") + name + " !");
    char bytes[sizeof(TGameInit)];
    in.read(bytes, sizeof bytes);
    if (in.gcount() != static_cast<std::streamsize>(sizeof bytes)) {
        throw GameFileError(cz("Definice hry ") + name + cz(" je kratší než ") +
                            std::to_string(sizeof bytes) + cz(" bajtů !"));
    }
    TGameInit stored;
    std::memcpy(&stored, bytes, sizeof stored);
    return GameDefinition(stored);
}

}  // namespace morvane
