#pragma once
// The ini files of a game's skins, which authors write by hand: section and
// key names in any letter case, the first value of a key wins, blanks and one
// pair of quotes around a value dropped, a missing file read as an empty one
// (every key keeps its default). Text stays Windows-1250.
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

class IniFile {
public:
    // The file at `path`; an empty one when it can't be read.
    static IniFile read(const std::filesystem::path& path);
    // The ini text itself.
    static IniFile parse(std::string_view text);

    // The value of a key, or nothing when the section or key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The value of a key, or `fallback` when it is missing.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // A decimal integer; `fallback` when the key is missing or not a number.
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const;
    // An integer, 0 being false and any other number true; `fallback` when the
    // key is missing or not a number (so "true" gives the fallback).
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

private:
    static std::string lookupKey(std::string_view section, std::string_view key);
    static int store(void* self, const char* section, const char* key, const char* value);

    std::map<std::string, std::string> values_;
};

}  // namespace morvane
