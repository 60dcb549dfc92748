#pragma once
// The game definition: the one record of data/inicializace.vrn, read when the
// program starts and kept, with its game name decoded, for the whole run.
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "parser/GameInitRecord.h"

namespace morvane {

// A game file without which the program cannot start (the definition record).
// The text names the file and says what is wrong, in Windows-1250.
class GameFileError : public std::runtime_error {
public:
    explicit GameFileError(const std::string& text) : std::runtime_error(text) {}
};

// The stored game name keeps each character plus 10 and one extra character
// at the end; this turns the field into the plain name (at most 30
// characters), in place. Stored lengths 0 and 1 give the empty name.
void decodeGameName(TGameInit& record);

// The inverse, for authoring tools and tests: stores a plain name (at most 30
// characters) the way the file keeps it, with the extra last character.
void encodeGameName(TGameInit& record, std::string_view name);

// The 240 bytes of data/inicializace.vrn for a record whose name field holds
// the plain name.
std::string GameDefinitionBytes(const TGameInit& plain);

class GameDefinition {
public:
    // Reads the first 240-byte record of data/inicializace.vrn below the game
    // folder and decodes its name. Throws GameFileError when the file is
    // missing, unreadable or shorter than one record.
    static GameDefinition load(const std::filesystem::path& gameFolder = ".");

    // Takes a record as stored in the file and decodes its name.
    explicit GameDefinition(const TGameInit& stored);

    const TGameInit& record() const { return zaznam_; }
    // The plain game name: the pass of scrambled files and of saved positions.
    std::string gameName() const { return zaznam_.nazevhry.str(); }
    std::string title() const { return zaznam_.titulhry.str(); }
    std::string author() const { return zaznam_.autor.str(); }
    std::string defaultHeroName() const { return zaznam_.jmenohrdiny.str(); }
    // Only the stored value 1 asks for the hero's name; any other byte does not.
    bool playerTypesHeroName() const { return zaznam_.zadavanijmena == 1; }
    std::string currency() const { return zaznam_.mena.str(); }
    std::int32_t startMoney() const { return zaznam_.penize; }
    std::int32_t startExperience() const { return zaznam_.zkusenosti; }

private:
    TGameInit zaznam_;
};

}  // namespace morvane
