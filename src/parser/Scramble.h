#pragma once
// The scrambled form of a game file, in which a game may ship its scripts:
//   header    one byte per character of the game name: character i (from 1)
//             plus 10 plus i, modulo 256;
//   separator one byte of any value;
//   body      every plain byte plus 8, modulo 256.
// Scrambled files are read in text mode like every game file, so a stored
// 0x1A ends the file: a plain 0x12 in the body cannot be carried.
#include <filesystem>
#include <string>
#include <string_view>

namespace morvane {

// The scrambled bytes of a plain text for the given game name.
std::string scrambleText(std::string_view plain, std::string_view gameName);

// Writes the scrambled form of a plain file (read up to its first 0x1A) whole
// or not at all. False when the plain file can't be read or the target
// can't be written.
bool scrambleFile(const std::filesystem::path& plainFile,
                  const std::filesystem::path& scrambledFile, std::string_view gameName);

struct UnscrambledText {
    std::string header;  // what the header says the game name is
    std::string body;    // the plain text
};

// Reads scrambled bytes as text-mode reading sees them (up to the first
// 0x1A): a header of headerLength bytes, the separator, then the body. A file
// that ends inside the header yields a shorter header.
UnscrambledText unscrambleText(std::string_view scrambled, std::size_t headerLength);

}  // namespace morvane
