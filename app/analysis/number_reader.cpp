#include "analysis/number_reader.h"

#include <fast_float/fast_float.h>

namespace tavrel {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t skipDigits(std::string_view s, size_t i) {
    while (i < s.size() && isDigit(s[i])) ++i;
    return i;
}

// The number at the start of `text` (no blanks skipped): how many characters it
// takes, none when there is no number, and its value.
struct ScannedNumber {
    size_t length = 0;
    double value = 0;
};

ScannedNumber scanNumber(std::string_view text) {
    bool negative = false;
    size_t start = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        start = 1;
    }
    size_t end = skipDigits(text, start);
    bool hasDigits = end > start;
    if (end < text.size() && text[end] == '.') {
        const size_t fractionEnd = skipDigits(text, end + 1);
        hasDigits = hasDigits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!hasDigits) return {};
    // An exponent counts only when digits follow it: "2e" reads as 2.
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t j = end + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const size_t exponentEnd = skipDigits(text, j);
        if (exponentEnd > j) end = exponentEnd;
    }

    const std::string_view number = text.substr(start, end - start);
    // fast_float rather than std::from_chars: the same correctly rounded value,
    // in every C++ library (the WebAssembly build's has no floating-point
    // from_chars). Beyond double range it gives an infinity, below it zero.
    double value = 0;
    fast_float::from_chars(number.data(), number.data() + number.size(), value);
    return {end, negative ? -value : value};
}

}  // namespace

double readLeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    return scanNumber(text.substr(i)).value;
}

std::optional<double> readCompleteNumber(std::string_view text) {
    const ScannedNumber number = scanNumber(text);
    if (number.length == 0 || number.length != text.size()) return std::nullopt;
    return number.value;
}

}  // namespace tavrel
