#include "shell/IniFile.h"

#include <ini.h>

#include <cstring>

#include "base/Numbers.h"
#include "base/TextFile.h"
#include "base/Win1250.h"

namespace morvane {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Hands inih one line at a time. Leading blanks are dropped, because inih
// would take an indented line as the continuation of the previous value while
// the platform takes it as a key of its own; the rest of a line too long for
// inih's buffer is dropped instead of being read as a line of its own.
struct LineSource {
    std::string_view rest;
};

char* nextLine(char* buffer, int size, void* stream) {
    auto* source = static_cast<LineSource*>(stream);
    if (source->rest.empty() || size < 2) return nullptr;
    std::size_t end = source->rest.find('\n');
    end = end == std::string_view::npos ? source->rest.size() : end + 1;
    std::string_view line = source->rest.substr(0, end);
    source->rest.remove_prefix(end);
    while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
    line = line.substr(0, std::size_t(size) - 1);
    std::memcpy(buffer, line.data(), line.size());
    buffer[line.size()] = '\0';
    return buffer;
}

}  // namespace

IniFile IniFile::read(const std::filesystem::path& path) {
    const auto text = readBinaryFile(path);
    return text ? parse(*text) : IniFile{};
}

// Reads "[section]" headers and "key=value" lines; other lines are passed over.
IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    LineSource source{text};
    ini_parse_stream(nextLine, &source, &IniFile::store, &ini);
    return ini;
}

std::string IniFile::lookupKey(std::string_view section, std::string_view key) {
    return lowerCase(trimBlanks(section)) + '\n' + lowerCase(trimBlanks(key));
}

int IniFile::store(void* self, const char* section, const char* key, const char* value) {
    std::string_view text = trimBlanks(value);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
        text = text.substr(1, text.size() - 2);
    }
    static_cast<IniFile*>(self)->values_.emplace(lookupKey(section, key), text);
    return 1;  // emplace keeps the first value of a repeated key
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto found = values_.find(lookupKey(section, key));
    if (found == values_.end()) return std::nullopt;
    return found->second;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    return value(section, key).value_or(std::string(fallback));
}

std::int32_t IniFile::readInteger(std::string_view section, std::string_view key,
                                  std::int32_t fallback) const {
    const auto text = value(section, key);
    if (!text) return fallback;
    return parseInteger(*text).value_or(fallback);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

}  // namespace morvane
