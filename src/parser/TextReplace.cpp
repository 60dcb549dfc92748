#include "parser/TextReplace.h"

#include <array>
#include <cstring>
#include <optional>

#include "base/Win1250.h"

namespace morvane {
namespace {

using FoldTable = std::array<unsigned char, 256>;

const FoldTable& upperTable() {
    static const FoldTable table = [] {
        FoldTable t{};
        for (int b = 0; b < 256; ++b)
            t[b] = static_cast<unsigned char>(upperCase(static_cast<char>(b)));
        return t;
    }();
    return table;
}

bool matchesAt(std::string_view text, std::size_t at, std::string_view pattern,
               const FoldTable& up) {
    for (std::size_t k = 0; k < pattern.size(); ++k) {
        if (up[static_cast<unsigned char>(text[at + k])] !=
            up[static_cast<unsigned char>(pattern[k])])
            return false;
    }
    return true;
}

// The one byte that folds to `folded`; nothing when several do.
std::optional<char> onlyByteFoldingTo(unsigned char folded) {
    // For each folded byte: the byte that folds to it, -1 for none, -2 for several.
    static const std::array<int, 256> only = [] {
        std::array<int, 256> o;
        o.fill(-1);
        const FoldTable& up = upperTable();
        for (int b = 0; b < 256; ++b) o[up[b]] = o[up[b]] == -1 ? b : -2;
        return o;
    }();
    if (only[folded] < 0) return std::nullopt;
    return static_cast<char>(only[folded]);
}

}  // namespace

std::size_t replaceAll(std::string& text, std::string_view pattern, std::string_view with,
                       std::vector<TextEdit>* edits) {
    if (pattern.empty()) return 0;
    std::size_t at = text.find(pattern);
    if (at == std::string::npos) return 0;
    std::string out;
    out.reserve(text.size());
    std::size_t copied = 0, count = 0;
    for (; at != std::string::npos; at = text.find(pattern, copied)) {
        out.append(text, copied, at - copied);
        if (edits) edits->push_back({out.size(), pattern.size(), with.size()});
        out.append(with);
        copied = at + pattern.size();
        ++count;
    }
    out.append(text, copied);
    text.swap(out);
    return count;
}

std::size_t findCaseless(std::string_view text, std::string_view pattern, std::size_t from) {
    if (pattern.empty() || pattern.size() > text.size()) return std::string_view::npos;
    const FoldTable& up = upperTable();
    const unsigned char first = up[static_cast<unsigned char>(pattern[0])];
    const std::size_t last = text.size() - pattern.size();
    if (const auto only = onlyByteFoldingTo(first)) {
        // A first character without a case ("#" of a directive): the C
        // library's search skips to it far faster than a loop can.
        for (std::size_t at = from; at <= last; ++at) {
            const void* found = std::memchr(text.data() + at, *only, last + 1 - at);
            if (!found) break;
            at = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
            if (matchesAt(text, at, pattern, up)) return at;
        }
        return std::string_view::npos;
    }
    for (std::size_t at = from; at <= last; ++at) {
        if (up[static_cast<unsigned char>(text[at])] == first && matchesAt(text, at, pattern, up))
            return at;
    }
    return std::string_view::npos;
}

std::size_t replaceCaseless(std::string& text, std::string_view pattern, std::string_view with,
                            std::size_t from, std::size_t& position,
                            std::vector<TextEdit>* edits) {
    std::size_t at = findCaseless(text, pattern, from);
    if (at == std::string::npos) return 0;
    std::string out;
    out.reserve(text.size());
    std::size_t copied = 0, count = 0, moved = position;
    for (; at != std::string::npos; at = findCaseless(text, pattern, copied)) {
        out.append(text, copied, at - copied);
        if (at < position && position < at + pattern.size()) moved = out.size();
        if (at + pattern.size() <= position) moved += with.size() - pattern.size();
        if (edits) edits->push_back({out.size(), pattern.size(), with.size()});
        out.append(with);
        copied = at + pattern.size();
        ++count;
    }
    out.append(text, copied);
    text.swap(out);
    position = moved;
    return count;
}

}  // namespace morvane
