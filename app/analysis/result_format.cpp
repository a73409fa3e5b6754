#include "analysis/result_format.h"

#include <charconv>
#include <cmath>

namespace tavrel {

namespace {

// Fixed notation with `decimals` digits, correctly rounded from the exact binary
// value (exact halves go to even), independent of the locale.
std::string fixed(double value, int decimals) {
    if (!std::isfinite(value)) return "n/a";
    char buffer[400];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, result.ptr);
    // A tiny negative value rounds to zero; show it without a sign.
    if (text.front() == '-' && text.find_first_of("123456789") == std::string::npos)
        text.erase(0, 1);
    return text;
}

}  // namespace

std::string formatPercent(float fraction) {
    return fixed(static_cast<double>(fraction) * 100, 1);
}

std::string formatWholeNumber(float value) {
    return fixed(value, 0);
}

}  // namespace tavrel
