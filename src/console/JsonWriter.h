#pragma once
// Writes one JSON text straight into a string, value by value, with no tree
// of objects in between: the state line is printed after every command, and
// building it as a tree cost ten times what the command itself did. The
// output is byte for byte what nlohmann's compact dump gives for the same
// values (UTF-8 kept as it is, control characters escaped).
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }

    // The key of the next value of an object.
    void key(std::string_view name);

    // A UTF-8 string. A string that is not valid UTF-8 has its bad bytes
    // replaced by U+FFFD.
    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(bool flag) { put(flag ? "true" : "false"); }
    template <std::integral T>
        requires(!std::same_as<T, bool>)
    void value(T number) {
        if constexpr (std::is_signed_v<T>) putSigned(number);
        else putUnsigned(number);
    }
    // A fixed array of numbers, as an array.
    template <std::integral T, std::size_t N>
        requires(!std::same_as<T, char>)
    void value(const T (&items)[N]) {
        beginArray();
        for (const T& item : items) value(item);
        endArray();
    }
    void null() { put("null"); }
    // A value already written as JSON text.
    void raw(std::string_view json) { put(json); }

    template <class T>
    void field(std::string_view name, const T& v) {
        key(name);
        value(v);
    }

private:
    void separate() {
        if (comma_) out_ += ',';
        comma_ = false;
    }
    void open(char bracket) {
        separate();
        out_ += bracket;
    }
    void close(char bracket) {
        out_ += bracket;
        comma_ = true;
    }
    void put(std::string_view text) {
        separate();
        out_ += text;
        comma_ = true;
    }
    void putSigned(std::int64_t number);
    void putUnsigned(std::uint64_t number);
    void escaped(std::string_view text);

    std::string& out_;
    bool comma_ = false;  // a value was just written: the next one needs a comma
};

}  // namespace morvane
