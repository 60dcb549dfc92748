#include "base/WordWrap.h"

namespace morvane {
namespace {

bool isBreakChar(char c) { return c == ' ' || c == '-' || c == '\t'; }
bool isQuoteChar(char c) { return c == '\'' || c == '"'; }

}  // namespace

// Walks the text once, remembering the last place a line may be broken; when
// the column passes the maximum (or an existing break is met) the line up to
// that place is emitted. Positions are 0-based; `lineStart` is where the
// current output line begins in the input.
std::string wrapText(std::string_view text, int maxColumn) {
    const std::size_t n = text.size();
    std::string out;
    out.reserve(n + n / 32);
    std::size_t pos = 0, lineStart = 0;
    long breakPos = -1;  // last break position, -1 when none in this line
    int column = 1;
    char quote = 0;
    bool existingBreak = false;
    while (pos < n) {
        const char c = text[pos];
        if (c == '\r') {
            if (quote == 0 && pos + 1 < n && text[pos + 1] == '\n') {
                existingBreak = true;
                ++pos;
                breakPos = static_cast<long>(pos);
            }
        } else if (isBreakChar(c)) {
            if (quote == 0) breakPos = static_cast<long>(pos);
        } else if (isQuoteChar(c)) {
            if (c == quote) quote = 0;
            else if (quote == 0) quote = c;
        }
        ++pos;
        ++column;
        const bool mayBreak = breakPos >= static_cast<long>(lineStart);
        if (quote == 0 && (existingBreak || (column > maxColumn && mayBreak))) {
            column = static_cast<int>(pos - static_cast<std::size_t>(breakPos));
            out.append(text.substr(lineStart, static_cast<std::size_t>(breakPos) - lineStart + 1));
            if (!existingBreak && pos < n) out.append("\r\n");
            lineStart = static_cast<std::size_t>(breakPos) + 1;
            existingBreak = false;
        }
    }
    if (lineStart < n) out.append(text.substr(lineStart));
    return out;
}

}  // namespace morvane
