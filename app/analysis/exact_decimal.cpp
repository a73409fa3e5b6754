#include "analysis/exact_decimal.h"

#include <fast_float/fast_float.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tavrel {

namespace {

// A non-negative finite value as digits × 10^exponent, exactly: `digits` has
// neither leading nor trailing zeros and is empty for zero.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

constexpr uint32_t kLimbBase = 1000000000;  // nine decimal digits a limb

// limbs (least significant first) *= factor, for factors below 2^32.
void multiply(std::vector<uint32_t>& limbs, uint32_t factor) {
    uint64_t carry = 0;
    for (uint32_t& limb : limbs) {
        const uint64_t product = uint64_t{limb} * factor + carry;
        limb = static_cast<uint32_t>(product % kLimbBase);
        carry = product / kLimbBase;
    }
    for (; carry != 0; carry /= kLimbBase)
        limbs.push_back(static_cast<uint32_t>(carry % kLimbBase));
}

// Every binary value is a finite decimal: m × 2^e is m × 2^e × 10^0 for e >= 0
// and m × 5^-e × 10^e below. A double needs at most some 770 digits.
Decimal exactDecimal(double magnitude) {
    if (magnitude == 0) return {};
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
    exponent -= 53;
    for (; (mantissa & 1) == 0; mantissa >>= 1) ++exponent;

    std::vector<uint32_t> limbs;
    for (; mantissa != 0; mantissa /= kLimbBase) limbs.push_back(mantissa % kLimbBase);
    Decimal d;
    if (exponent >= 0) {
        for (int e = exponent; e > 0; e -= 29) multiply(limbs, uint32_t{1} << std::min(e, 29));
    } else {
        d.exponent = exponent;
        for (int n = -exponent; n > 0; n -= 13) {
            uint32_t power = 1;
            for (int i = 0; i < std::min(n, 13); ++i) power *= 5;
            multiply(limbs, power);
        }
    }
    d.digits = std::to_string(limbs.back());
    for (size_t i = limbs.size() - 1; i-- > 0;) {
        const std::string part = std::to_string(limbs[i]);
        d.digits.append(9 - part.size(), '0');
        d.digits += part;
    }
    const size_t last = d.digits.find_last_not_of('0');
    d.exponent += static_cast<int>(d.digits.size() - last - 1);
    d.digits.resize(last + 1);
    return d;
}

// Decimal digits plus one, "" standing for zero.
void increment(std::string& digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Decimal digits minus one, for digits above zero; the result has no leading zero.
void decrement(std::string& digits) {
    size_t i = digits.size();
    while (digits[--i] == '0') digits[i] = '9';
    --digits[i];
    if (digits[0] == '0') digits.erase(0, 1);
}

// The value over 10^place rounded to an integer with halves to even, as digits
// ("" for zero); `up` tells whether rounding went up.
std::string roundedAt(const Decimal& d, int place, bool& up) {
    up = false;
    const long shift = static_cast<long>(d.exponent) - place;
    if (d.digits.empty()) return {};
    if (shift >= 0) return d.digits + std::string(static_cast<size_t>(shift), '0');
    const long keep = static_cast<long>(d.digits.size()) + shift;
    if (keep < 0) return {};
    std::string kept = d.digits.substr(0, static_cast<size_t>(keep));
    // The dropped digits end in a non-zero one: they are exactly one half only
    // when they are a lone 5.
    const char first = d.digits[static_cast<size_t>(keep)];
    const bool beyondHalf = static_cast<size_t>(keep) + 1 < d.digits.size();
    const bool odd = !kept.empty() && (kept.back() - '0') % 2 == 1;
    up = first > '5' || (first == '5' && (beyondHalf || odd));
    if (up) increment(kept);
    return kept;
}

std::string nonFinite(double value) {
    if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
    return value < 0 ? "-inf" : "inf";
}

bool readsBack(const std::string& digits, int place, float magnitude) {
    const std::string text = (digits.empty() ? "0" : digits) + "e" + std::to_string(place);
    float value = 0;
    fast_float::from_chars(text.data(), text.data() + text.size(), value);
    return value == magnitude;
}

// The fewest significant digits that read back as `magnitude` (above zero),
// the nearest to it when several do.
Decimal shortestDigits(float magnitude) {
    const Decimal exact = exactDecimal(magnitude);
    const auto length = static_cast<int>(exact.digits.size());
    Decimal shortest = exact;
    for (int k = 1; k < length; ++k) {
        const int place = exact.exponent + length - k;
        bool up = false;
        std::string nearest = roundedAt(exact, place, up);
        if (readsBack(nearest, place, magnitude)) {
            shortest = {nearest, place};
            break;
        }
        // Next to a power of two the values that read back lie closer on one
        // side than on the other: the k digits beyond the value may still do.
        std::string other = nearest;
        if (up) {
            decrement(other);
        } else {
            increment(other);
        }
        if (readsBack(other, place, magnitude)) {
            shortest = {other, place};
            break;
        }
    }
    const size_t last = shortest.digits.find_last_not_of('0');
    shortest.exponent += static_cast<int>(shortest.digits.size() - last - 1);
    shortest.digits.resize(last + 1);
    return shortest;
}

// The digits fixed notation writes: an integral value in full, a fraction cut short.
Decimal fixedDigits(float magnitude) {
    if (magnitude == std::floor(magnitude)) return exactDecimal(magnitude);
    return shortestDigits(magnitude);
}

// digits × 10^exponent without an exponent: "1250", "0.0125", "0" for none.
std::string fixedText(const Decimal& d) {
    const std::string& digits = d.digits;
    const long point = static_cast<long>(digits.size()) + d.exponent;
    // Built by appending: GCC 12 warns falsely (-Wrestrict) on some string assignments.
    std::string text;
    if (digits.empty()) {
        text.push_back('0');
    } else if (d.exponent >= 0) {
        text.append(digits);
        text.append(static_cast<size_t>(d.exponent), '0');
    } else if (point > 0) {
        text.append(digits, 0, static_cast<size_t>(point));
        text += '.';
        text.append(digits, static_cast<size_t>(point));
    } else {
        text.append("0.");
        text.append(static_cast<size_t>(-point), '0');
        text.append(digits);
    }
    return text;
}

}  // namespace

std::string exactFixed(double value, int decimals) {
    if (decimals < 0) decimals = 6;
    if (!std::isfinite(value)) return nonFinite(value);
    bool up = false;
    std::string text = roundedAt(exactDecimal(std::fabs(value)), -decimals, up);
    const auto fractionDigits = static_cast<size_t>(decimals);
    if (text.size() <= fractionDigits) text.insert(0, fractionDigits + 1 - text.size(), '0');
    if (decimals > 0) text.insert(text.size() - fractionDigits, 1, '.');
    if (std::signbit(value)) text.insert(0, 1, '-');
    return text;
}

std::string shortestFixed(float value) {
    if (!std::isfinite(value)) return nonFinite(value);
    std::string text = std::signbit(value) ? "-" : "";
    text += fixedText(fixedDigits(std::fabs(value)));
    return text;
}

std::string shortestText(float value) {
    if (!std::isfinite(value)) return nonFinite(value);
    const float magnitude = std::fabs(value);
    std::string text = std::signbit(value) ? "-" : "";
    if (magnitude == 0) {
        text += '0';
        return text;
    }
    const Decimal shortest = shortestDigits(magnitude);
    const std::string& digits = shortest.digits;
    // d.ddde+XX: the exponent has a sign and at least two digits.
    std::string scientific(1, digits[0]);
    if (digits.size() > 1) {
        scientific += '.';
        scientific.append(digits, 1);
    }
    const int exponent = shortest.exponent + static_cast<int>(digits.size()) - 1;
    scientific += exponent < 0 ? "e-" : "e+";
    if (std::abs(exponent) < 10) scientific += '0';
    scientific += std::to_string(std::abs(exponent));
    // The shorter of the two forms; fixed when they are as long.
    const std::string fixed = fixedText(fixedDigits(magnitude));
    text += scientific.size() < fixed.size() ? scientific : fixed;
    return text;
}

}  // namespace tavrel
