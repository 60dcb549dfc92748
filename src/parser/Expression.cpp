#include "parser/Expression.h"

#include <cstdlib>

#include "base/Numbers.h"
#include "base/ScriptError.h"
#include "parser/CharClass.h"

namespace morvane {
namespace {

// Deeper nesting than any formula needs; past it the text is refused rather
// than letting the recursion exhaust the stack.
constexpr int kMaxNesting = 1000;

// ":" divides and rounds to the nearest integer, halves to the even neighbour.
std::int32_t roundedQuotient(std::int32_t a, std::int32_t b) {
    if (b == 0) {
        throw ScriptError(a == 0 ? "Invalid floating point operation"
                                 : "Floating point division by zero");
    }
    const std::int64_t n = a, d = b;
    std::int64_t q = n / d;
    const std::int64_t twiceRest = 2 * std::llabs(n % d);
    if (twiceRest > std::llabs(d) || (twiceRest == std::llabs(d) && q % 2 != 0)) {
        q += ((n < 0) != (d < 0)) ? -1 : 1;
    }
    // INT32_MIN : -1 is the only quotient outside 32 bits; it wraps like the rest.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(q));
}

std::int32_t applyOperator(char op, std::int32_t a, std::int32_t b) {
    switch (op) {
        case '*': return wrapMul(a, b);
        case ':': return roundedQuotient(a, b);
        default: break;
    }
    if (b == 0) throw ScriptError("Division by zero");
    return op == '/' ? wrapDiv(a, b) : wrapMod(a, b);
}

// A recursive-descent reader that stops at the first character that does not
// fit the grammar where it stands; what it has computed by then is the value.
class FormulaReader {
public:
    explicit FormulaReader(std::string_view text) : text_(text) {}

    // expression := term { ("+" | "-") term }
    std::int32_t expression() {
        std::int32_t value = term();
        while (peek() == '+' || peek() == '-') {
            const char op = text_[pos_++];
            const std::int32_t right = term();
            value = op == '+' ? wrapAdd(value, right) : wrapSub(value, right);
        }
        return value;
    }

private:
    // term := factor { ("*" | "/" | "%" | ":") factor }, all of equal precedence
    std::int32_t term() {
        std::int32_t value = factor();
        while (peek() == '*' || peek() == '/' || peek() == '%' || peek() == ':') {
            const char op = text_[pos_++];
            value = applyOperator(op, value, factor());
        }
        return value;
    }

    // factor := "(" expression <any one character> | [sign] digits
    std::int32_t factor() {
        skipBlanks();
        std::int32_t value = 0;
        if (peek() == '(') {
            ++pos_;
            if (++depth_ > kMaxNesting) throw ScriptError("Stack overflow");
            value = expression();
            --depth_;
            // Any character closes the parenthesis; an unclosed one ends at the text's end.
            if (pos_ < text_.size()) ++pos_;
        } else {
            value = number();
        }
        skipBlanks();
        return value;
    }

    // number := ["+" | "-"] digits; a sign must touch its digits, no digits read as 0
    std::int32_t number() {
        bool negative = false;
        if (peek() == '+' || peek() == '-') negative = text_[pos_++] == '-';
        std::int32_t value = 0;
        for (char digit : digitRun(text_, pos_)) {
            value = wrapAdd(wrapMul(value, 10), digit - '0');
        }
        return negative ? wrapNeg(value) : value;
    }

    char peek() const { return pos_ < text_.size() ? text_[pos_] : ';'; }
    void skipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int depth_ = 0;
};

}  // namespace

std::int32_t EvaluateExpression(std::string_view text) { return FormulaReader(text).expression(); }

}  // namespace morvane
