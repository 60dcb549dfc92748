#pragma once
// The core keeps all text as single-byte Windows-1250, the encoding of every
// game file. These conversions are used only at the edges: front ends, JSON
// output, and source literals written in UTF-8.
#include <string>
#include <string_view>

namespace morvane {

// Windows-1250 bytes to UTF-8. The five byte values that have no character
// become U+FFFD.
std::string toUtf8(std::string_view win1250);

// UTF-8 to Windows-1250. A character the code page lacks, or a malformed
// UTF-8 sequence, becomes "?"; no byte without a character is ever produced.
std::string fromUtf8(std::string_view utf8);

// The offset of the first byte that is not part of a well-formed UTF-8
// sequence, or npos when the whole text is UTF-8 (plain ASCII is).
std::size_t FirstNonUtf8(std::string_view text);

// The Windows-1250 form of a UTF-8 literal in the source, for the engine's
// own Czech texts: cz("Chybné soubory").
inline std::string cz(std::string_view utf8) { return fromUtf8(utf8); }

// Upper and lower case of one Windows-1250 byte, Czech letters included.
char upperCase(char c);
char lowerCase(char c);
std::string upperCase(std::string_view text);
std::string lowerCase(std::string_view text);

}  // namespace morvane
