#pragma once
// A cursor over one entry line of a content table, with the field steps that
// every table's line layout is built from. A step that finds the line too
// short for it raises MalformedLine instead of reading past the end.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

// A line that lacks a field its layout needs. The loader turns it into a
// ScriptError naming the file and the line.
class MalformedLine : public std::runtime_error {
public:
    explicit MalformedLine(const std::string& what) : std::runtime_error(what) {}
};

class LineScanner {
public:
    explicit LineScanner(std::string_view line) : line_(line) {}

    // Reads the digits at the very start of the line; none is a conversion error.
    std::int32_t numberAtStart();
    // Skips to the next digit (a sign before it is skipped too) and reads its run.
    std::int32_t numberAfterSkip();
    // Skips to the next double quote and reads the text up to the following one.
    std::string_view quoted();
    // Reads everything up to the next "," and steps past it.
    std::string_view rawField();
    // Reads everything up to the next "," or ";" (or the end) and steps past it.
    std::string_view fieldToSeparator();
    // Moves to the next digit without reading it.
    void skipToDigit();

    // The fields left on the line, split at "," and ";"; blank fields are dropped
    // because they name no effect and no condition.
    std::vector<std::string_view> tail() const;

    std::size_t position() const { return pos_; }

private:
    std::string_view line_;
    std::size_t pos_ = 0;
};

// The text with blanks and control characters cut from both ends.
std::string_view trimBlanks(std::string_view text);

// The text with every occurrence of `mark` taken out.
std::string withoutChar(std::string_view text, char mark);

}  // namespace morvane
