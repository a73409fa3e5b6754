// The cell texts take a shortcut past the standard library's conversion; it must
// round exactly, as the chart's independent rounding does.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "analysis/result_format.h"

namespace {

TEST(FormatFixed, ExactHalvesAndNearHalves) {
    const struct {
        double value;
        int decimals;
        std::string text;
    } cases[] = {
        {0.5, 0, "0"},       {1.5, 0, "2"},       {2.5, 0, "2"},
        {-2.5, 0, "-2"},     {-0.4, 0, "0"},      {0.25, 1, "0.2"},
        {0.35, 1, "0.3"},  // 0.35 is stored just below the half
        {0.45, 1, "0.5"},  // and 0.45 just above
        {2500.5, 0, "2500"}, {2501.5, 0, "2502"}, {0.05, 2, "0.05"},
        {0.004, 2, "0.00"},  {71.6, 1, "71.6"},   {0.0047323583, 5, "0.00473"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tavrel::formatFixed(c.value, c.decimals), c.text)
            << c.value << " with " << c.decimals;
    }
    EXPECT_EQ(tavrel::formatFixed(NAN, 1), "n/a");
    EXPECT_EQ(tavrel::formatFixed(-INFINITY, 0), "n/a");
}

// The table's shortcut and the chart's digit-by-digit rounding are written
// independently; on any value they agree but for the direction of an exact tie.
TEST(FormatFixed, AgreesWithTheChartsRoundingButForTies) {
    EXPECT_EQ(tavrel::formatFixed(1e300, 1), tavrel::formatHalfAwayFromZero(1e300, 1));
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<int> exponent(-30, 60);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> decimals(0, 9);
    std::uniform_int_distribution<uint32_t> bits;
    int ties = 0;
    for (int i = 0; i < 40000; ++i) {
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
        const std::string even = tavrel::formatFixed(value, d);
        const std::string away = tavrel::formatHalfAwayFromZero(value, d);
        if (even == away) continue;
        // A tie: the table kept the even digit, the chart went one unit further out.
        ++ties;
        SCOPED_TRACE(testing::Message() << std::hexfloat << value << " with " << d);
        ASSERT_EQ((even.back() - '0') % 2, 0) << even << " " << away;
        const double unit = std::pow(10, -d);
        ASSERT_NEAR(std::fabs(std::stod(away)) - std::fabs(std::stod(even)), unit,
                    unit * 1e-6 + std::fabs(value) * 1e-15);
    }
    EXPECT_GT(ties, 100);  // the halves above reach the tie branch
}

}  // namespace
