#include "analysis/result_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "analysis/exact_decimal.h"

namespace tavrel {

namespace {

// Texts for the table's cells are made eight cases at a time, on every
// keystroke and for every design of a study; the general conversion of the
// standard library is several times slower than this exact shortcut.
constexpr int kFastDecimals = 15;
constexpr double kFastLimit = 4503599627370496.0;  // 2^52: integer part and fraction exact

// Halves of a double for Dekker's product: each has at most 26 significant bits,
// so products of halves are exact.
void split(double a, double& high, double& low) {
    const double c = 134217729.0 * a;  // 2^27 + 1
    high = c - (c - a);
    low = a - high;
}

// a * b - product exactly, where product is a * b rounded (no overflow assumed).
double productError(double a, double b, double product) {
    double ah, al, bh, bl;
    split(a, ah, al);
    split(b, bh, bl);
    return ((ah * bh - product) + ah * bl + al * bh) + al * bl;
}

// `magnitude` times 10^decimals rounded to an integer, halves to even, exactly as if
// the product were formed without rounding; nothing when it would not be exact.
std::optional<uint64_t> scaledExactly(double magnitude, int decimals) {
    double power = 1;
    for (int i = 0; i < decimals; ++i) power *= 10;
    const double product = magnitude * power;
    if (!(product < kFastLimit)) return std::nullopt;
    // The product's rounding error is itself a double (Dekker's exact product,
    // without a call to fma), so product + error is the exact scaled value.
    const double error = productError(magnitude, power, product);
    uint64_t n = static_cast<uint64_t>(product);  // the floor: product is not negative
    // Sign of the exact fraction minus one half; both terms exact, so the rounded
    // sum has the sign of the exact one and is zero only on an exact tie.
    const double beyondHalf = (product - static_cast<double>(n) - 0.5) + error;
    if (beyondHalf > 0 || (beyondHalf == 0 && n % 2 == 1)) ++n;
    return n;
}

}  // namespace

std::string formatFixed(double value, int decimals) {
    if (!std::isfinite(value)) return std::string(kNotFiniteText);
    if (decimals >= 0 && decimals <= kFastDecimals) {
        if (const std::optional<uint64_t> scaled = scaledExactly(std::fabs(value), decimals)) {
            // Digits from the last one back, the point after `decimals` of them and
            // a zero before it when the value is below one.
            char text[48];
            char* const end = text + sizeof text;
            char* p = end;
            uint64_t n = *scaled;
            int written = 0;
            do {
                *--p = static_cast<char>('0' + n % 10);
                n /= 10;
                if (++written == decimals) *--p = '.';
            } while (n != 0 || written <= decimals);
            // A value that rounds to zero shows without a sign.
            if (value < 0 && *scaled != 0) *--p = '-';
            return std::string(p, end);
        }
    }
#if defined(__cpp_lib_to_chars)
    // A double has at most 309 digits before the point; room for the rest.
    std::string text(312 + static_cast<size_t>(std::max(decimals, 6)), '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::fixed, decimals);
    text.resize(static_cast<size_t>(result.ptr - text.data()));
#else
    std::string text = exactFixed(value, decimals);
#endif
    // A tiny negative value rounds to zero; show it without a sign.
    if (text.front() == '-' && text.find_first_of("123456789") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string formatPercent(float fraction) {
    return formatFixed(static_cast<double>(fraction) * 100, 1);
}

std::string formatWholeNumber(float value) {
    return formatFixed(value, 0);
}

std::string formatShortest(float value) {
    if (!std::isfinite(value)) return std::string(kNotFiniteText);
#if defined(__cpp_lib_to_chars)
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
#else
    return shortestText(value);
#endif
}

std::string formatShortest(double value) {
    if (!std::isfinite(value)) return std::string(kNotFiniteText);
    char buffer[32];
#if defined(__cpp_lib_to_chars)
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
#else
    // Without the floating-point to_chars (the web build, whose locale is
    // always "C"): the fewest significant digits that read back, then fixed
    // or scientific notation, whichever is shorter, as to_chars chooses.
    int digits = 1;
    for (; digits < 17; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
        if (std::strtod(buffer, nullptr) == value) break;
    }
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
    const std::string scientific = buffer;
    const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
    const int decimals = std::max(0, digits - 1 - exponent);
    std::string fixed(static_cast<size_t>(std::snprintf(nullptr, 0, "%.*f", decimals, value)),
                      '\0');
    std::snprintf(fixed.data(), fixed.size() + 1, "%.*f", decimals, value);
    return fixed.size() <= scientific.size() ? fixed : scientific;
#endif
}

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

double roundHalfToEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) return below + 1.0;
    return below;
}

}  // namespace tavrel
