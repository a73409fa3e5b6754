#include "analysis/number_reader.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tavrel {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t skipDigits(std::string_view s, size_t i) {
    while (i < s.size() && isDigit(s[i])) ++i;
    return i;
}

// Whether an unsigned decimal that overflows or underflows a double is huge
// rather than tiny: the place of its first significant digit plus its exponent.
bool isHuge(std::string_view number) {
    const size_t e = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, e);
    const size_t point = mantissa.find('.');
    const size_t integerDigits = point == std::string_view::npos ? mantissa.size() : point;
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return false;
    const long place = first < integerDigits ? static_cast<long>(integerDigits - first)
                                             : -static_cast<long>(first - integerDigits - 1);
    long exponent = 0;
    if (e != std::string_view::npos) {
        const std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits[0] == '-';
        for (char c : digits) {
            if (isDigit(c) && exponent < 100000) exponent = exponent * 10 + (c - '0');
        }
        if (negative) exponent = -exponent;
    }
    return place + exponent > 0;
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
    double value = 0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        value = isHuge(number) ? std::numeric_limits<double>::infinity() : 0.0;
    }
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
