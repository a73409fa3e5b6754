#include "comparison/number_format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace tavrel::comparison {

std::string formatHalfAwayFromZero(double value, int decimals) {
    if (!std::isfinite(value)) {
        // As the chart has always shown them.
        if (std::isnan(value)) return "nan";
        return value > 0 ? "inf" : "-inf";
    }
    // Every finite double is a finite decimal with at most 1074 digits after the
    // point, so this prints it exactly and leaves the rounding to us.
    // %.1080f of a double below 1e309 needs at most 309 + 1 + 1080 characters.
    std::array<char, 1400> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.1080f", std::fabs(value));
    const std::string digits(buffer.data());
    decimals = std::clamp(decimals, 0, 9);

    const std::size_t point = digits.find('.');
    std::string kept = digits.substr(0, point + 1 + static_cast<std::size_t>(decimals));
    if (decimals == 0) {
        kept.pop_back();  // the point itself
    }
    // Anything from ...5000 upward is at least a half: round the kept digits up.
    if (digits[point + 1 + static_cast<std::size_t>(decimals)] >= '5') {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0; --i) {
            if (kept[static_cast<std::size_t>(i)] == '.') {
                continue;
            }
            if (kept[static_cast<std::size_t>(i)] == '9') {
                kept[static_cast<std::size_t>(i)] = '0';
            } else {
                ++kept[static_cast<std::size_t>(i)];
                break;
            }
        }
        if (i < 0) {
            kept.insert(kept.begin(), '1');
        }
    }
    const bool isZero = kept.find_first_not_of("0.") == std::string::npos;
    if (value < 0 && !isZero) {
        kept.insert(kept.begin(), '-');
    }
    return kept;
}

}  // namespace tavrel::comparison
