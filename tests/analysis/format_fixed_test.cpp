// The cell texts take a shortcut past the standard library's conversion; it must
// give exactly the same text for every value.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "analysis/result_format.h"

namespace {

std::string reference(double value, int decimals) {
    char buffer[400];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, r.ptr);
    if (text.front() == '-' && text.find_first_of("123456789") == std::string::npos)
        text.erase(0, 1);
    return text;
}

TEST(FormatFixed, ExactHalvesAndNearHalves) {
    const struct {
        double value;
        int decimals;
        std::string text;
    } cases[] = {
        {0.5, 0, "0"},
        {1.5, 0, "2"},
        {2.5, 0, "2"},
        {-2.5, 0, "-2"},
        {-0.4, 0, "0"},
        {0.25, 1, "0.2"},
        {0.35, 1, "0.3"},  // 0.35 is stored just below the half
        {0.45, 1, "0.5"},  // and 0.45 just above
        {2500.5, 0, "2500"},
        {2501.5, 0, "2502"},
        {0.05, 2, "0.05"},
        {0.004, 2, "0.00"},
        {71.6, 1, "71.6"},
        {0.0047323583, 5, "0.00473"},
        {1e300, 1, reference(1e300, 1)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tavrel::formatFixed(c.value, c.decimals), c.text)
            << c.value << " with " << c.decimals;
    }
    EXPECT_EQ(tavrel::formatFixed(NAN, 1), "n/a");
    EXPECT_EQ(tavrel::formatFixed(-INFINITY, 0), "n/a");
}

TEST(FormatFixed, AgreesWithTheStandardConversion) {
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<int> exponent(-30, 60);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> decimals(0, 16);
    std::uniform_int_distribution<uint32_t> bits;
    for (int i = 0; i < 200000; ++i) {
        const int d = decimals(random);
        double value = std::ldexp(mantissa(random), exponent(random));
        if (i % 4 == 1) {
            // Floats, as the engine writes them, scaled as percentages.
            float f;
            const uint32_t b = bits(random) & 0x7f7fffffu;
            std::memcpy(&f, &b, sizeof f);
            value = static_cast<double>(f) * 100;
        } else if (i % 4 == 2) {
            // Exact and nearly exact halves at the rounding place.
            value = (std::floor(value * std::pow(10, d)) + 0.5) / std::pow(10, d);
        }
        ASSERT_EQ(tavrel::formatFixed(value, d), reference(value, d))
            << std::hexfloat << value << " with " << d;
    }
}

}  // namespace
