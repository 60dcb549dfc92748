#include "content/LineScanner.h"

#include "base/Numbers.h"
#include "base/Win1250.h"

namespace morvane {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

// Reads the run of digits that starts the line (the entry's own number).
std::int32_t LineScanner::numberAtStart() {
    std::size_t end = pos_;
    while (end < line_.size() && isDigit(line_[end])) ++end;
    const std::string_view digits = line_.substr(pos_, end - pos_);
    pos_ = end;
    return toInteger(digits);  // no digits: the conversion error, as for any bad number
}

// Skips to the next digit, then reads its run; signs are skipped with the rest.
std::int32_t LineScanner::numberAfterSkip() {
    skipToDigit();
    return numberAtStart();
}

// Moves to the next digit; a line without one lacks a number field.
void LineScanner::skipToDigit() {
    while (pos_ < line_.size() && !isDigit(line_[pos_])) ++pos_;
    if (pos_ == line_.size()) throw MalformedLine(cz("chybí číslo"));
}

// Reads the text between the next two double quotes.
std::string_view LineScanner::quoted() {
    const std::size_t open = line_.find('"', pos_);
    if (open == std::string_view::npos) throw MalformedLine(cz("chybí uvozovky"));
    const std::size_t close = line_.find('"', open + 1);
    if (close == std::string_view::npos) throw MalformedLine(cz("chybí uvozovky"));
    pos_ = close + 1;
    return line_.substr(open + 1, close - open - 1);
}

// Reads up to the next "," and steps past it; the "," is required.
std::string_view LineScanner::rawField() {
    const std::size_t comma = line_.find(',', pos_);
    if (comma == std::string_view::npos) throw MalformedLine(cz("chybí čárka"));
    const std::string_view field = line_.substr(pos_, comma - pos_);
    pos_ = comma + 1;
    return field;
}

// Reads up to the next "," or ";", or to the end of the line, and steps past it.
std::string_view LineScanner::fieldToSeparator() {
    std::size_t end = line_.find_first_of(",;", pos_);
    if (end == std::string_view::npos) end = line_.size();
    const std::string_view field = line_.substr(pos_, end - pos_);
    pos_ = (end < line_.size()) ? end + 1 : end;
    return field;
}

// Splits the rest of the line at every "," (or ";", the line's end mark)
// into effect and condition tokens.
std::vector<std::string_view> LineScanner::tail() const {
    std::vector<std::string_view> tokens;
    std::size_t start = pos_;
    while (start < line_.size()) {
        std::size_t end = line_.find_first_of(",;", start);
        if (end == std::string_view::npos) end = line_.size();
        const std::string_view token = line_.substr(start, end - start);
        if (!trimBlanks(token).empty()) tokens.push_back(token);
        start = end + 1;
    }
    return tokens;
}

std::string_view trimBlanks(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string withoutChar(std::string_view text, char mark) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != mark) out += c;
    }
    return out;
}

}  // namespace morvane
